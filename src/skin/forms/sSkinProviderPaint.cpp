// The form skinning component's painting: the whole window into the cache,
// the frame from the cache, the window region, the client area and printing.

#include "skin/forms/sSkinProvider.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

#include "gfx/Blit.h"
#include "skin/engine/CacheCopy.h"
#include "skin/engine/SkinCommands.h"
#include "skin/gdi/HoleRegion.h"
#include "skin/gdi/SkinText.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/MaskHoleRuns.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"

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

// The program file's icon as the shell shows it, kept for the process.
HICON ProgramShellIcon(bool large)
{
    static UniqueIcon icons[2];
    static bool asked[2] = {false, false};
    if (!asked[large]) {
        asked[large] = true;
        // Wide and long enough for a program in a folder of any name or depth.
        std::wstring path(32768, L'\0');
        SHFILEINFOW info{};
        if (GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())) &&
            SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)))
            icons[large] = UniqueIcon(info.hIcon);
    }
    return icons[large].Get();
}

// A caption icon: the form's own, else the application's, else the program
// file's as the shell shows it, else the system's generic one.
HICON CaptionIconOf(TIcon& formIcon, bool large)
{
    for (TIcon* icon : {&formIcon, Application ? &Application->Icon() : nullptr})
        if (icon && !icon->Empty())
            return large || !icon->SmallHandle() ? icon->Handle() : icon->SmallHandle();
    if (HICON shell = ProgramShellIcon(large))
        return shell;
    return LoadIconA(nullptr, IDI_APPLICATION);
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
    const bool fastTitle = TitleFastPathReady(g, width, height);
    TBitmap& cache = skinData_->CacheOfSize(width, height);
    View24 pixels = cache.Pixels24();
    const int state = formActive_ ? 1 : 0;
    if (fastTitle) {
        CopyPixels(pixels, {0, 0}, savedTitle_->Pixels24(), savedTitle_->Pixels24().Bounds());
    } else {
        Rect whole{0, 0, width, height};
        if (IsIconic(form_->Handle()))
            whole.bottom = std::min(height, g.frameHeight + g.captionHeight + 1);
        TsPaintTarget target(pixels, BgFromColor(int32_t(AnswerColor())));
        PaintSkinItemFast(target, skinData_->Section(), whole, state, true);
        PaintGrip(g);
        paintedState_ = state;
        SaveTitle(g);
    }
    if (g.captionHeight != 0)
        PaintCaption(g);
    fullTitleRepaint_ = false;
    skinData_->CacheInvalid = false;
    skinData_->Updating = false;
    firstPaintDone_ = true;
}

namespace {

// The form's section looks the same in both states: a title band painted in one serves the other.
bool StatesLookAlike(const TsGeneralData& s)
{
    return s.Color == s.HotColor && s.Transparency == s.HotTransparency && s.GradientPercent == 0 &&
           s.HotGradientPercent == 0 && s.ImagePercent == 0 && s.HotImagePercent == 0;
}

// The border image is missing or has one state frame: active and inactive frames look alike.
bool SingleFrameBorder(const TsSectionRef& section)
{
    const TsMaskData* border = section.Border();
    return !border || MaskFrameCount(*border) <= 1;
}

}  // namespace

bool TsSkinProvider::TitleFastPathReady(const TsFrameGeometry& g, int width, int height) const
{
    const TBitmap* cache = skinData_->CacheBitmap();
    // Only the caption band is restored: the rest of the cache must hold this size's paint.
    bool cacheKept = cache && !cache->Empty() && cache->Width() == width && cache->Height() == height;
    const int state = formActive_ ? 1 : 0;
    bool stateServes = (savedTitleState_ == state && paintedState_ == state) ||
                       StatesLookAlike(skinData_->Section().Data());
    return !fullTitleRepaint_ && cacheKept && HasSavedTitle() && savedTitle_->Width() == width &&
           g.captionHeight != 0 && SingleFrameBorder(skinData_->Section()) && stateServes &&
           !IsIconic(form_->Handle());
}

void TsSkinProvider::SaveTitle(const TsFrameGeometry& g)
{
    if (!SingleFrameBorder(skinData_->Section()) || g.captionHeight == 0)
        return;
    if (HasSavedTitle() && savedTitle_->Width() == g.formWidth)
        return;
    ConstView24 cache = skinData_->CacheBitmap()->Pixels24();
    int height = std::min(g.captionHeight + g.frameHeight, cache.Height());
    savedTitle_ = std::make_unique<TBitmap>();
    savedTitle_->SetSize(cache.Width(), height, TPixelFormat::pf24bit);
    CopyPixels(savedTitle_->Pixels24(), {0, 0}, cache, Rect{0, 0, cache.Width(), height});
    savedTitleState_ = formActive_ ? 1 : 0;
}

Rect TsSkinProvider::GripPlace(const TsFrameGeometry& g) const
{
    HWND window = form_->Handle();
    const TsSkinModel* model = skinData_->Section().Model;
    // Only a window that can be sized has a grip to size it by.
    if (GripMode != TsGripMode::gmRightBottom || form_->BorderStyle() != TFormBorderStyle::bsSizeable || !model ||
        !model->IsValidMaskIndex(gripMask_) || IsIconic(window) || IsZoomed(window))
        return {};
    Size size = MaskFrameSize(model->Masks()[std::size_t(gripMask_)]);
    RECT c;
    GetClientRect(window, &c);
    Point corner{g.clientOffset.x + c.right, g.clientOffset.y + c.bottom};
    return {corner.x - size.width, corner.y - size.height, corner.x, corner.y};
}

void TsSkinProvider::PaintGrip(const TsFrameGeometry& g)
{
    Rect place = GripPlace(g);
    if (place.IsEmpty())
        return;
    const TsSkinModel& model = *skinData_->Section().Model;
    View24 pixels = skinData_->CacheBitmap()->Pixels24();
    DrawGlyphMask(pixels, {place.left, place.top}, 0, BgFromImage(pixels, 0, 0),
                  model.Masks()[std::size_t(gripMask_)], kGlyphNormal);
}

void TsSkinProvider::PaintCaption(const TsFrameGeometry& g)
{
    TBitmap& cache = *skinData_->CacheBitmap();
    View24 pixels = cache.Pixels24();
    const int state = formActive_ ? 1 : 0;
    PaintTitleBand(pixels, titleSection_, skinData_->Section(), {0, 0, g.formWidth, g.frameHeight + g.captionHeight},
                   state, g.buttonsWidth, hadSystemMenu_);
    StoreButtonsBackground(buttonsBackground_, buttonsBackgroundLeft_, pixels, g);
    PaintCaptionButtons(g);
    PaintCaptionIcon(g);
    PaintCaptionText(g);
}

void TsSkinProvider::PaintCaptionButtons(const TsFrameGeometry& g)
{
    TsCaptionImages images = MeasureCaptionImages(skinData_->Section().Model, slots_);
    PlaceCaptionSlots(slots_, LayoutCaptionButtons(g, FrameState(), images, ButtonRules()));
    for (int b = 0; b < kCaptionButtons; ++b)
        DrawButton(TsCaptionButton(b), !formActive_);
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
    DrawCaptionGlyph(skinData_->CacheBitmap()->Pixels24(), *model, mask, slot, dimmed || !enabled);
}

void TsSkinProvider::RepaintButton(TsCaptionButton b)
{
    const TsCaptionSlot& slot = slots_[b];
    if (slot.Place.IsEmpty() || !CacheReady() || buttonsBackground_.Empty())
        return;
    RestoreButtonBackground(skinData_->CacheBitmap()->Pixels24(), buttonsBackground_, buttonsBackgroundLeft_,
                            slot.Place);
    DrawButton(b, !formActive_ && slot.State == 0);
    ShowCaptionButton(form_->Handle(), skinData_->CacheBitmap()->Canvas().Handle(), slot.Place);
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
    HICON icon = CaptionIconOf(form_->Icon(), g.iconHeight > 16);
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
    if (HasFrameBorder(f) || f.minimized)
        regionRects_ = FrameHoles(size, skinData_->Section().Border(), titleSection_.Border());
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
    CopyFrameStrips(dc, cache.Canvas().Handle(), {cache.Width(), cache.Height()}, g.headerHeight, g.frameWidth,
                    g.bottomFrame);
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
        // One windowless child repaints itself: its area only.
        PaintChildOverCache(child, *skinData_, offset, dc);
        return;
    }
    Rect wanted = FromRECT(area).Intersected(FromRECT(client));
    if (!wanted.IsEmpty())
        CopyCacheToDC(form_, *skinData_, {wanted.left + offset.x, wanted.top + offset.y}, {}, false, dc, wanted);
    PaintGraphicChildrenOverCache(form_, *skinData_, offset, dc);
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
