// The form skinning component's painting: the whole window into the cache,
// the frame from the cache, the window region, the client area and printing.

#include "skin/forms/sSkinProvider.h"

#include <algorithm>

#include "gfx/Blit.h"
#include "skin/engine/SkinCommands.h"
#include "skin/gdi/HoleRegion.h"
#include "skin/gdi/SkinText.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/MaskHoleRuns.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Form.h"

namespace {

// The height of the system's caption font, 0 when it cannot be read.
int CaptionFontHeight()
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return 0;
    return metrics.lfCaptionFont.lfHeight;
}

UINT AlignmentFlag(TAlignment a)
{
    switch (a) {
    case TAlignment::taLeftJustify: return DT_LEFT;
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    }
    return DT_LEFT;
}

}  // namespace

bool TsSkinProvider::CacheReady() const
{
    TBitmap* cache = skinData_->CacheBitmap();
    return cache && !cache->Empty();
}

void TsSkinProvider::PaintWholeWindow()
{
    if (!Skinned() || !form_->HandleAllocated() || (form_->ControlState & csCreating))
        return;
    const TsFrameGeometry g = Geometry();
    RECT w;
    GetWindowRect(form_->Handle(), &w);
    const int width = w.right - w.left, height = w.bottom - w.top;
    if (width <= 0 || height <= 0)
        return;
    if (!CacheReady())
        PassToChildren(form_, SkinCmdParam(scOpaqueState), 1);
    TBitmap& cache = skinData_->CacheOfSize(width, height);
    View24 pixels = cache.Pixels24();
    const int state = formActive_ ? 1 : 0;
    Rect whole{0, 0, width, height};
    if (IsIconic(form_->Handle()))
        whole.bottom = std::min(height, g.frameHeight + g.captionHeight + 1);
    TsPaintTarget target(pixels, BgFromColor(int32_t(AnswerColor())));
    PaintSkinItemFast(target, skinData_->Section(), whole, state, true);
    if (g.captionHeight != 0)
        PaintCaption(g);
    skinData_->CacheInvalid = false;
    skinData_->Updating = false;
    firstPaintDone_ = true;
}

void TsSkinProvider::PaintCaption(const TsFrameGeometry& g)
{
    TBitmap& cache = *skinData_->CacheBitmap();
    View24 pixels = cache.Pixels24();
    const int state = formActive_ ? 1 : 0;
    const Rect band{0, 0, g.formWidth, g.frameHeight + g.captionHeight};
    TsPaintTarget onCache(pixels, BgFromImage(pixels, 0, 0));
    PaintSkinItemFast(onCache, titleSection_, band, state, true);
    const TsSkinModel* model = skinData_->Section().Model;
    int titleBar = model->GetMaskIndex(skinData_->SectionIndex(), skinData_->SkinSection(), "TITLEBAR");
    bool anyButton = hadSystemMenu_;
    if (anyButton && model->IsValidMaskIndex(titleBar)) {
        const TsMaskData& bar = model->Masks()[std::size_t(titleBar)];
        int barWidth = 2 * (MaskFrameSize(bar).width / 3) + g.buttonsWidth;
        DrawBorderMask(pixels, {g.formWidth - barWidth, 0, g.formWidth, band.bottom}, true, true, state, bar,
                       BgFromImage(pixels, 0, 0));
    }
    // What lies behind the caption buttons, to repaint one of them alone.
    int stripWidth = std::min(g.buttonsWidth + g.frameWidth + 10, g.formWidth - 1);
    buttonsBackgroundLeft_ = g.formWidth - 1 - stripWidth;
    buttonsBackground_.SetSize(stripWidth, std::max(g.headerHeight, 1));
    CopyPixels(buttonsBackground_.Pixels24(), {0, 0}, pixels,
               Rect::FromSize(buttonsBackgroundLeft_, 0, stripWidth, g.headerHeight));
    PaintCaptionButtons(g);
    PaintCaptionIcon(g);
    PaintCaptionText(g);
}

void TsSkinProvider::PaintCaptionButtons(const TsFrameGeometry& g)
{
    TsCaptionImages images;
    const TsSkinModel* model = skinData_->Section().Model;
    auto measure = [&](TsCaptionButton b, int& width, bool& valid) {
        valid = model->IsValidMaskIndex(slots_[b].MaskIndex);
        width = valid ? MaskFrameSize(model->Masks()[std::size_t(slots_[b].MaskIndex)]).width : 21;
    };
    measure(cbClose, images.closeWidth, images.closeValid);
    measure(cbMaximize, images.maximizeWidth, images.maximizeValid);
    measure(cbMinimize, images.minimizeWidth, images.minimizeValid);
    measure(cbHelp, images.helpWidth, images.helpValid);
    images.buttonHeight =
        images.closeValid ? MaskFrameSize(model->Masks()[std::size_t(slots_[cbClose].MaskIndex)]).height : 21;
    images.skinSpacing = model->SkinData().BISpace;
    TsCaptionButtonLayout layout = LayoutCaptionButtons(g, FrameState(), images, ButtonRules());
    for (int b = 0; b < kCaptionButtons; ++b) {
        slots_[std::size_t(b)].Place = layout.buttons[std::size_t(b)].shown ? layout.buttons[std::size_t(b)].rect : Rect{};
        if (layout.buttons[std::size_t(b)].shown)
            DrawButton(TsCaptionButton(b), !formActive_);
    }
}

void TsSkinProvider::DrawButton(TsCaptionButton b, bool dimmed)
{
    const TsCaptionSlot& slot = slots_[b];
    const TsSkinModel* model = skinData_->Section().Model;
    int mask = slot.MaskIndex;
    bool minimized = IsIconic(form_->Handle()), maximized = IsZoomed(form_->Handle());
    TsCaptionButtonRules rules = ButtonRules();
    bool enabled = true;
    if (b == cbMaximize) {
        if (maximized && model->IsValidMaskIndex(restoreMask_))
            mask = restoreMask_;
        enabled = maximized ? rules.restoreEnabled : rules.maxEnabled;
    } else if (b == cbMinimize) {
        if (minimized && model->IsValidMaskIndex(restoreMask_))
            mask = restoreMask_;
        enabled = minimized ? rules.restoreEnabled : rules.minEnabled;
    }
    if (!model->IsValidMaskIndex(mask) || slot.Place.IsEmpty())
        return;
    View24 pixels = skinData_->CacheBitmap()->Pixels24();
    const TsMaskData& image = model->Masks()[std::size_t(mask)];
    int state = std::min(slot.State, MaskFrameCount(image) - 1);
    DrawGlyphMask(pixels, {slot.Place.left, slot.Place.top}, state, BgFromImage(pixels, 0, 0), image,
                  dimmed || !enabled ? 2 : kGlyphNormal);
}

void TsSkinProvider::RepaintButton(TsCaptionButton b)
{
    const TsCaptionSlot& slot = slots_[b];
    if (slot.Place.IsEmpty() || !CacheReady() || buttonsBackground_.Empty())
        return;
    View24 pixels = skinData_->CacheBitmap()->Pixels24();
    CopyPixels(pixels, {slot.Place.left, slot.Place.top}, buttonsBackground_.Pixels24(),
               slot.Place.Translated(-buttonsBackgroundLeft_, 0));
    DrawButton(b, !formActive_ && slot.State == 0);
    HDC dc = GetWindowDC(form_->Handle());
    BitBlt(dc, slot.Place.left, slot.Place.top, slot.Place.Width(), slot.Place.Height(),
           skinData_->CacheBitmap()->Canvas().Handle(), slot.Place.left, slot.Place.top, SRCCOPY);
    ReleaseDC(form_->Handle(), dc);
}

void TsSkinProvider::PaintCaptionIcon(const TsFrameGeometry& g)
{
    if (g.iconWidth <= 0 || g.iconHeight <= 0)
        return;
    HDC dc = skinData_->CacheBitmap()->Canvas().Handle();
    if (TitleIcon.Glyph && !TitleIcon.Glyph->Empty()) {
        TBitmap& glyph = *TitleIcon.Glyph;
        TransparentBlt(dc, g.iconRect.left, g.iconRect.top, g.iconWidth, g.iconHeight, glyph.Canvas().Handle(), 0, 0,
                       glyph.Width(), glyph.Height(), RGB(255, 0, 255));
        return;
    }
    HICON icon = g.iconWidth > 16 ? form_->Icon().Handle() : form_->Icon().SmallHandle();
    if (!icon)
        icon = form_->Icon().Handle();
    if (!icon)
        icon = LoadIconA(nullptr, IDI_APPLICATION);
    DrawIconEx(dc, g.iconRect.left, g.iconRect.top, icon, g.iconWidth, g.iconHeight, 0, nullptr, DI_NORMAL);
}

void TsSkinProvider::PaintCaptionText(const TsFrameGeometry& g)
{
    std::string caption = form_->Caption();
    if (caption.empty())
        return;
    TCanvas& canvas = skinData_->CacheBitmap()->Canvas();
    canvas.Font().Assign(form_->Font());
    canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    canvas.Font().SetHeight(CaptionFontHeight());
    Rect r{g.iconWidth + g.frameWidth + 4, g.frameHeight, g.formWidth - g.buttonsWidth - 6, g.captionHeight};
    int textHeight = canvas.TextHeight(caption);
    r.top += (r.Height() - textHeight) / 2;
    r.bottom = r.top + textHeight;
    UINT format = AlignmentFlag(captionAlignment_) | DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX |
                  DT_END_ELLIPSIS;
    DrawSectionText(canvas, caption, form_->Enabled(), titleSection_, formActive_, format, r);
}

void TsSkinProvider::UpdateRegion()
{
    if (regionUpdating_ || !form_->HandleAllocated())
        return;
    RECT w;
    GetWindowRect(form_->Handle(), &w);
    Size size{w.right - w.left, w.bottom - w.top};
    regionRects_.clear();
    TsFormFrameState f = FrameState();
    if (HasFrameBorder(f) || f.minimized) {
        if (const TsMaskData* border = skinData_->Section().Border()) {
            MaskHoleRuns(regionRects_, size.width, *border, false, 0);
            MaskHoleRuns(regionRects_, size.width, *border, true, size.height - MaskBorderWidths(*border).bottom);
        }
        if (const TsMaskData* title = titleSection_.Border())
            MaskHoleRuns(regionRects_, size.width, *title, false, 0);
    }
    // Setting a region moves the window in the window system: only when the shape changed.
    if (regionApplied_ && regionRects_ == appliedRegion_ && size == appliedSize_)
        return;
    regionUpdating_ = true;
    UniqueRegion region = ShapeRegion(size, regionRects_);
    bool redraw = !IsWindowVisible(form_->Handle()) || IsZoomed(form_->Handle());
    if (SetWindowRgn(form_->Handle(), region.Get(), redraw))
        region.Release();
    regionUpdating_ = false;
    regionApplied_ = true;
    appliedRegion_ = regionRects_;
    appliedSize_ = size;
}

void TsSkinProvider::OutputFrame(HDC dc)
{
    if (!hadSystemMenu_ && !Skinned())
        return;
    UpdateRegion();
    if (skinData_->CacheInvalid || !CacheReady())
        PaintWholeWindow();
    if (!CacheReady())
        return;
    TsFrameGeometry g = Geometry();
    TBitmap& cache = *skinData_->CacheBitmap();
    HDC source = cache.Canvas().Handle();
    const int width = cache.Width(), height = cache.Height();
    const int side = g.frameWidth;
    const Rect strips[] = {
        {0, 0, width, g.headerHeight},
        {0, g.headerHeight, side, height - g.bottomFrame},
        {0, height - g.bottomFrame, width, height},
        {width - side, g.headerHeight, width, height - g.bottomFrame},
    };
    for (const Rect& r : strips)
        if (!r.IsEmpty())
            BitBlt(dc, r.left, r.top, r.Width(), r.Height(), source, r.left, r.top, SRCCOPY);
}

void TsSkinProvider::PaintClient(HDC dc, const RECT& area)
{
    if (!skinData_->CacheFrozen && (skinData_->CacheInvalid || !CacheReady()))
        PaintWholeWindow();
    if (!CacheReady())
        return;
    Point offset = ClientOffset();
    RECT client;
    GetClientRect(form_->Handle(), &client);
    if (TControl* child = skinData_->PaintingChild) {
        // One windowless child repaints itself: its area only, then the child over it.
        Rect r = child->BoundsRect();
        CopyCacheToDC(form_, *skinData_, {r.left + offset.x, r.top + offset.y}, {}, false, dc, r);
        SaveDcGuard saved(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.Width(), r.Height());
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        return;
    }
    Rect wanted = FromRECT(area).Intersected(FromRECT(client));
    if (!wanted.IsEmpty())
        CopyCacheToDC(form_, *skinData_, {wanted.left + offset.x, wanted.top + offset.y}, {}, false, dc, wanted);
    form_->PaintControls(dc);
    for (TControl* c : form_->Controls())
        if (auto* windowed = dynamic_cast<TWinControl*>(c); windowed && windowed->HandleAllocated() &&
                                                            windowed->Showing())
            SendSkinCommand(windowed->Handle(), scResumePainting);
}

void TsSkinProvider::PrintWindowInto(HDC dc)
{
    if (!dc || !form_->Visible() || form_->IsLoading() || form_->IsDestroying())
        return;
    OutputFrame(dc);
    Point offset = ClientOffset();
    RECT client;
    GetClientRect(form_->Handle(), &client);
    SaveDcGuard saved(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + offset.x, origin.y + offset.y, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    PaintClient(dc, client);
}
