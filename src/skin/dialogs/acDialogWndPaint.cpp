// The dialog adapter's painting: the whole window into the cache, the
// frame strips from it, one caption button alone, the window's shape, the
// client background and the background its children ask for.

#include "skin/dialogs/acDialogWnd.h"

#include "skin/dialogs/ShellHostWindows.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/CacheCopy.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/gdi/HoleRegion.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Handles.h"

namespace {

// Every child's place, shown or hidden: a child paints itself, and some
// dialogs draw their text over a hidden child's place.
void ExcludeEveryChild(HDC dc, HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

}  // namespace

bool TacDialogWnd::CacheReady() const
{
    TBitmap* cache = SkinData().CacheBitmap();
    return cache && !cache->Empty();
}

void TacDialogWnd::PaintWholeWindow()
{
    TsCommonData& data = SkinData();
    regionStale_ = true;
    TBitmap* cache = CacheOfWindowSize();
    if (!cache)
        return;
    View24 pixels = cache->Pixels24();
    const TsSectionRef& section = data.Section();
    if (section.IsValid()) {
        TsPaintTarget target(pixels, BgFromColor(ResolveSkinColor(section.Data().Color)));
        PaintSkinItemFast(target, section, pixels.Bounds(), active_ ? 1 : 0, true);
    }
    const TsFrameGeometry g = Geometry();
    if (g.captionHeight != 0)
        PaintCaption(g);
    data.CacheInvalid = false;
}

void TacDialogWnd::PaintCaption(const TsFrameGeometry& g)
{
    View24 pixels = SkinData().CacheBitmap()->Pixels24();
    Rect band{0, 0, g.formWidth, g.frameHeight + g.captionHeight};
    if (IsIconic(Window()))
        band = pixels.Bounds();
    PaintTitleBand(pixels, titleSection_, SkinData().Section(), band, active_ ? 1 : 0, g.buttonsWidth,
                   style_ & WS_SYSMENU);
    PaintCaptionIcon(g);
    StoreButtonsBackground(buttonsBackground_, buttonsBackgroundLeft_, pixels, g);
    TsCaptionImages images = MeasureCaptionImages(SkinData().Section().Model, slots_);
    PlaceCaptionSlots(slots_, LayoutCaptionButtons(g, DialogFrameState(Facts()), images, ButtonRules()));
    for (int b = 0; b < kCaptionButtons; ++b)
        DrawButton(TsCaptionButton(b));
    PaintCaptionText(g);
}

void TacDialogWnd::PaintCaptionIcon(const TsFrameGeometry& g)
{
    if (!icon_ || g.iconWidth <= 0)
        return;
    HDC dc = SkinData().CacheBitmap()->Canvas().Handle();
    int top = (g.captionHeight + g.frameHeight - g.iconHeight) / 2;
    UniqueIcon copy(static_cast<HICON>(CopyImage(icon_, IMAGE_ICON, g.iconWidth, g.iconHeight, LR_COPYFROMRESOURCE)));
    HICON drawn = copy ? copy.Get() : LoadIconA(nullptr, IDI_APPLICATION);
    DrawIconEx(dc, g.frameWidth, top, drawn, g.iconWidth, g.iconHeight, 0, nullptr, DI_NORMAL);
}

void TacDialogWnd::PaintCaptionText(const TsFrameGeometry& g)
{
    // Centred in the whole caption band: a band only CaptionHeight high would cut the text's foot.
    Rect r{g.iconWidth + g.frameWidth + 4, g.frameHeight, g.formWidth - g.buttonsWidth - 6,
           g.frameHeight + g.captionHeight};
    if (r.IsEmpty())
        return;
    HDC dc = SkinData().CacheBitmap()->Canvas().Handle();
    std::wstring text = WideWindowTextOf(Window());
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_NOCLIP;
    int textHeight = MeasureDialogText(dc, text.empty() ? L"W" : text, DialogCaptionFont(), format, r.Width()).height;
    r.top += (r.Height() - textHeight) / 2;
    r.bottom = r.top + textHeight;
    DrawDialogText(dc, text, DialogCaptionFont(), titleSection_, IsEnabled(), active_, format, r);
}

int TacDialogWnd::SlotMask(TsCaptionButton b, bool& enabled) const
{
    const TsCaptionSlot& slot = slots_[std::size_t(b)];
    const TsSkinModel* model = SkinData().Section().Model;
    TsCaptionButtonRules rules = ButtonRules();
    bool minimized = IsIconic(Window()), maximized = IsZoomed(Window());
    bool restoreImage = model && model->IsValidMaskIndex(restoreMask_);
    enabled = true;
    if (b == cbClose)
        enabled = !(GetClassLongPtrW(Window(), GCL_STYLE) & CS_NOCLOSE);
    if (b == cbMaximize) {
        enabled = maximized ? rules.restoreEnabled : rules.maxEnabled;
        if (maximized && restoreImage)
            return restoreMask_;
    }
    if (b == cbMinimize) {
        enabled = minimized ? rules.restoreEnabled : rules.minEnabled;
        if (minimized && restoreImage)
            return restoreMask_;
    }
    return slot.MaskIndex;
}

void TacDialogWnd::DrawButton(TsCaptionButton b)
{
    const TsSkinModel* model = SkinData().Section().Model;
    if (!model || !CacheReady())
        return;
    bool enabled = true;
    int mask = SlotMask(b, enabled);
    const TsCaptionSlot& slot = slots_[std::size_t(b)];
    bool faded = !enabled || (!active_ && slot.State == 0);
    DrawCaptionGlyph(SkinData().CacheBitmap()->Pixels24(), *model, mask, slot, faded);
}

void TacDialogWnd::RepaintButton(TsCaptionButton b)
{
    const TsCaptionSlot& slot = slots_[std::size_t(b)];
    if (slot.Place.IsEmpty() || !CacheReady())
        return;
    TBitmap& cache = *SkinData().CacheBitmap();
    if (slot.Place.left > Geometry().iconWidth + Geometry().frameHeight)
        RestoreButtonBackground(cache.Pixels24(), buttonsBackground_, buttonsBackgroundLeft_, slot.Place);
    DrawButton(b);
    ShowCaptionButton(Window(), cache.Canvas().Handle(), slot.Place);
}

void TacDialogWnd::UpdateRegion()
{
    TacDialogState& state = DialogState();
    bool thick = GetWindowLongW(Window(), GWL_STYLE) & WS_THICKFRAME;
    if (state.DialogRegionUpdating || !regionStale_ || (frameKind_ == dfNone && !thick))
        return;
    regionStale_ = false;
    if (SendMessageW(Window(), kQueryKeepShape, kKeepShapeAnswer, 0) == LRESULT(kKeepShapeAnswer))
        return;
    RefreshPosition();
    Size size = WindowSize();
    std::vector<Rect> holes = FrameHoles(size, SkinData().Section().Border(), titleSection_.Border());
    // Setting a region makes the window system move the window: only when the shape changed.
    if (!regionRects_.empty() && holes == regionRects_ && size == regionSize_)
        return;
    regionRects_ = holes;
    regionSize_ = size;
    TsEngineFlag updating(state.DialogRegionUpdating);
    UniqueRegion region = ShapeRegion(size, regionRects_);
    if (SetWindowRgn(Window(), region.Get(), TRUE))
        region.Release();
}

void TacDialogWnd::OutputFrame(TMessage& m)
{
    TsCommonData& data = SkinData();
    RefreshPosition();
    if (AttachChildren)
        AttachChildren();
    UpdateRegion();
    WholeWindowDc windowDc(Window());
    HDC dc = windowDc.Get();
    if (data.CacheInvalid || !CacheReady())
        PaintWholeWindow();
    if (CacheReady()) {
        TsFrameGeometry g = Geometry();
        TBitmap& cache = *data.CacheBitmap();
        HDC source = cache.Canvas().Handle();
        Size size{cache.Width(), cache.Height()};
        bool thick = GetWindowLongW(Window(), GWL_STYLE) & WS_THICKFRAME;
        if (frameKind_ == dfNone && thick)
            CopyFrameStrips(dc, source, size, 3, 3, 3);
        else
            CopyFrameStrips(dc, source, size, g.headerHeight, g.frameWidth, g.frameHeight);
        PaintBars(dc);
    }
    data.Updating = false;
    m.Result = 1;
}

void TacDialogWnd::EraseBackground(TMessage& m)
{
    TsCommonData& data = SkinData();
    RefreshPosition();
    if (!firstEraseDone_) {
        firstEraseDone_ = true;
        if (AttachChildren)
            AttachChildren();
    }
    auto given = reinterpret_cast<HDC>(m.WParam);
    HDC dc = given ? given : GetDC(Window());
    {
        SaveDcGuard saved(dc);
        data.Updating = false;
        if (data.CacheInvalid || !CacheReady())
            PaintWholeWindow();
        if (CacheReady()) {
            Point offset = ClientOffset();
            RECT client{};
            GetClientRect(Window(), &client);
            CopyCacheToWindowDC(Window(), data, offset, dc, {0, 0, int(client.right), int(client.bottom)});
        }
    }
    if (!given)
        ReleaseDC(Window(), dc);
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) && !IsShellHostWindow(child))
            SendSkinCommand(child, scResumePainting);
    m.Result = 1;
}

void TacDialogWnd::Paint(TMessage& m)
{
    // A message box of common controls 6 fills a white message area and a
    // grey button strip here, over the background just erased; other
    // dialogs draw text of their own. The dialog paints first, then the
    // skin's background goes over what it painted outside its children.
    UniqueRegion area(CreateRectRgn(0, 0, 0, 0));
    bool painting = !m.WParam && GetUpdateRgn(Window(), area.Get(), FALSE) > NULLREGION;
    CallOldHandler(m);
    if (painting && !Destroyed())
        PaintBackgroundOver(area.Get());
}

void TacDialogWnd::PaintBackgroundOver(HRGN area)
{
    TsCommonData& data = SkinData();
    if (data.CacheInvalid || !CacheReady())
        PaintWholeWindow();
    if (!CacheReady())
        return;
    WindowDc windowDc(Window());
    HDC dc = windowDc.Get();
    SaveDcGuard saved(dc);
    SelectClipRgn(dc, area);
    ExcludeEveryChild(dc, Window());
    Point offset = ClientOffset();
    RECT client{};
    GetClientRect(Window(), &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, data.CacheBitmap()->Canvas().Handle(), offset.x, offset.y, SRCCOPY);
}

void TacDialogWnd::AnswerBackground(TMessage& m)
{
    auto* q = reinterpret_cast<TsBgQuery*>(m.LParam);
    m.Result = 0;
    if (!q)
        return;
    if (SkinData().CacheInvalid || !CacheReady())
        PaintWholeWindow();
    if (!CacheReady()) {
        q->Kind = 1;
        q->Color = int32_t(GetSysColor(COLOR_BTNFACE));
        return;
    }
    TBitmap& cache = *SkinData().CacheBitmap();
    Point offset = ClientOffset();
    q->Kind = 2;
    if (q->PaintNow && q->TargetDC) {
        BitBlt(static_cast<HDC>(q->TargetDC), q->Area.left, q->Area.top, q->Area.Width(), q->Area.Height(),
               cache.Canvas().Handle(), q->Area.left + offset.x, q->Area.top + offset.y, SRCCOPY);
        return;
    }
    q->Image = cache.Pixels24();
    q->OffsetX = offset.x;
    q->OffsetY = offset.y;
}

void TacDialogWnd::AnswerDialogColor(TMessage& m)
{
    TsSkinManager* manager = SkinManager();
    auto color = COLORREF(manager ? manager->Model().GetGlobalColor() : int32_t(GetSysColor(COLOR_BTNFACE)));
    m.Result = reinterpret_cast<LRESULT>(brushes_.Of(color));
}
