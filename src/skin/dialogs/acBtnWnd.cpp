#include "skin/dialogs/acBtnWnd.h"

#include <windowsx.h>

#include "gfx/Contrast.h"
#include "gfx/FadeCopy.h"
#include "skin/dialogs/DialogText.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinColors.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/CornerRefill.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Handles.h"

namespace {

constexpr double kDisabledBackgroundShare = 0.4;

// Whether a lit button (hot, pressed or default) takes the section's hot text
// colours on the face it is painted on. A skin may leave the hot colour out
// (it then reads as black): where that does not read on the face and the
// plain font colour reads better, the caption keeps the plain one.
bool HotCaptionReads(const TsSectionRef& section, uint32_t face)
{
    if (!section.IsValid())
        return true;
    uint32_t hot = uint32_t(ResolveSkinColor(section.Data().HotFontColor[0]));
    uint32_t plain = uint32_t(ResolveSkinColor(section.Data().FontColor[0]));
    double hotContrast = ContrastRatio(hot, face);
    return hotContrast >= kReadableContrast || hotContrast >= ContrastRatio(plain, face);
}

}  // namespace

TacBtnWnd::TacBtnWnd(HWND window, const std::string& section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager, nullptr)
{
}

bool TacBtnWnd::Pushed() const
{
    return SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_PUSHED;
}

bool TacBtnWnd::HasFocus() const
{
    return GetFocus() == Window();
}

int TacBtnWnd::PaintState() const
{
    if (Pushed())
        return 2;
    if (!IsEnabled())
        return 0;
    if (HasFocus() || SkinEngine().HotWindow == Window())
        return 1;
    return (GetWindowLongW(Window(), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON ? 1 : 0;
}

HFONT TacBtnWnd::Font() const
{
    auto font = reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
    return font ? font : DialogMessageFont();
}

void TacBtnWnd::PrepareCache()
{
    TsCommonData& data = SkinData();
    TBitmap* cache = CacheOfWindowSize();
    if (!cache)
        return;
    View24 pixels = cache->Pixels24();
    int state = PaintState();
    TsBgSource behind = ParentBackground();
    PaintControlItem(TsPaintTarget(pixels, behind), data.Section(), pixels.Bounds(), state, {});
    if (const TsMaskData* border = data.Section().Border())
        RefillBorderCorners(pixels, *border, state, kRefillAllCorners, behind);
    PaintFace(cache->Canvas().Handle(), pixels, state);
    if (!IsEnabled() && BlendsWhenDisabled())
        BlendDisabled(pixels);
    data.CacheInvalid = false;
}

void TacBtnWnd::PaintFace(HDC dc, View24 pixels, int state)
{
    std::wstring text = WideWindowTextOf(Window());
    Size size = WindowSize();
    bool multiline = GetWindowLongW(Window(), GWL_STYLE) & BS_MULTILINE;
    UINT wrap = multiline ? 0 : DT_WORDBREAK;
    Size measured = MeasureDialogText(dc, text, Font(), DT_CENTER | DT_EXPANDTABS | DT_NOPREFIX | wrap, size.width - 2);
    int side = (size.width - measured.width) / 2;
    int top = (size.height - measured.height) / 2;
    Rect r{side - 1, top, size.width - side + 2, size.height - top};
    if (state == 2)
        r = r.Translated(1, 1);
    bool hot = state != 0;
    if (hot && pixels.Width() > 0 && pixels.Height() > 0) {
        GdiFlush();  // the face painted so far is read from the cache's pixels
        hot = HotCaptionReads(SkinData().Section(), ToColorRef(pixels.At(pixels.Width() / 2, pixels.Height() / 2)));
    }
    DrawDialogText(dc, text, Font(), SkinData().Section(), IsEnabled(), hot, DT_CENTER | DT_EXPANDTABS | wrap, r);
    bool focusShown = SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_FOCUS;
    const TsSectionRef& section = SkinData().Section();
    if (IsEnabled() && focusShown && !text.empty() && section.IsValid() && section.Data().ShowFocus) {
        RECT focus{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
        SaveDcGuard saved(dc);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

void TacBtnWnd::BlendDisabled(View24 pixels)
{
    TBitmap behind;
    behind.SetSize(pixels.Width(), pixels.Height());
    View24 back = behind.Pixels24();
    PaintBgInto(back, back.Bounds(), ParentBackground());
    FadeCopyRect(pixels, {0, 0}, std::nullopt, kDisabledBackgroundShare, back.Bounds(), back);
}

void TacBtnWnd::PaintNow(HDC dc)
{
    SkinData().Updating = SkinData().PaintingSuspended();
    if (SkinData().Updating)
        return;
    PrepareCache();
    if (TBitmap* cache = SkinData().CacheBitmap(); cache && !cache->Empty())
        BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
}

void TacBtnWnd::Repaint()
{
    SkinData().CacheInvalid = true;
    if (!IsVisible())
        return;
    WindowDc dc(Window());
    PaintNow(dc.Get());
}

// The button paints itself at once in the window system's look on these
// messages: it does so while redrawing is off, and the skin paints after.
void TacBtnWnd::QuietlyPass(TMessage& m)
{
    // One message may send the others (a press sets the state): only the outermost turns redrawing back on.
    bool outermost = quietDepth_ == 0 && IsVisible();
    if (outermost)
        SendMessageW(Window(), WM_SETREDRAW, FALSE, 0);
    ++quietDepth_;
    CallOldHandler(m);
    --quietDepth_;
    if (!outermost || Destroyed())
        return;
    SendMessageW(Window(), WM_SETREDRAW, TRUE, 0);
    Repaint();
}

bool TacBtnWnd::GradientFollowsPlace() const
{
    // A gradient is blended with what lies behind, which changes with the place.
    const TsSectionRef& section = SkinData().Section();
    if (!section.IsValid())
        return false;
    bool hot = SkinData().MouseOver || SkinEngine().HotWindow == Window();
    return section.Data().GradientPercent > 0 || (hot && section.Data().HotGradientPercent > 0);
}

void TacBtnWnd::WndProc(TMessage& m)
{
    if (!IsActive()) {
        TacMainWnd::WndProc(m);
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        PaintDc dc(Window(), m.WParam);
        PaintNow(dc.Get());
        m.Result = 0;
        return;
    }
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
        m.Result = 1;
        return;
    case WM_SETFOCUS:
        if (!IsEnabled()) {
            m.Result = 0;
            return;
        }
        QuietlyPass(m);
        return;
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
        QuietlyPass(m);
        return;
    case WM_MOUSEMOVE:
        CallOldHandler(m);
        if (!Destroyed() && IsEnabled() && DefaultManager())
            TrackHotUnderCursor(Window());
        return;
    case WM_MOVE:
        CallOldHandler(m);
        if (!Destroyed() && GradientFollowsPlace())
            Repaint();
        return;
    case SM_SKINCMD:
        switch (SkinCmdOf(m.WParam)) {
        case scMouseEnter:
        case scMouseLeave:
            SkinData().MouseOver = SkinCmdOf(m.WParam) == scMouseEnter;
            Repaint();
            m.Result = 0;
            return;
        case scResumePainting:
            Repaint();
            m.Result = 0;
            return;
        default:
            break;
        }
        break;
    default:
        break;
    }
    TacMainWnd::WndProc(m);
}

TacCheckBoxWnd::TacCheckBoxWnd(HWND window, TsSkinManager* manager) : TacBtnWnd(window, "CHECKBOX", manager) {}

int TacCheckBoxWnd::GlyphMask() const
{
    TsSkinManager* manager = SkinManager();
    if (!manager)
        return -1;
    const TsCommonIndexes& c = manager->Model().CommonIndexes();
    LONG type = GetWindowLongW(Window(), GWL_STYLE) & 0xF;
    LRESULT check = SendMessageW(Window(), BM_GETCHECK, 0, 0);
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        return check == BST_CHECKED ? c.RadioChecked : c.RadioUnchecked;
    if (check == BST_INDETERMINATE)
        return c.BoxGrayed;
    return check == BST_CHECKED ? c.BoxChecked : c.BoxUnchecked;
}

void TacCheckBoxWnd::PaintFace(HDC dc, View24 pixels, int state)
{
    Size size = WindowSize();
    int x = 0;
    TsSkinManager* manager = SkinManager();
    int mask = GlyphMask();
    if (manager && manager->Model().IsValidMaskIndex(mask)) {
        const TsMaskData& glyph = manager->Model().Masks()[std::size_t(mask)];
        Size glyphSize = MaskFrameSize(glyph);
        int frame = std::min(state, MaskFrameCount(glyph) - 1);
        DrawGlyphMask(pixels, {0, (size.height - glyphSize.height) / 2}, frame, BgFromImage(pixels, 0, 0), glyph,
                      IsEnabled() ? kGlyphNormal : 2);
        x = glyphSize.width + 4;
    }
    std::wstring text = WideWindowTextOf(Window());
    Rect r{x, 0, size.width, size.height};
    UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
    DrawDialogText(dc, text, Font(), SkinData().Section(), IsEnabled(), false, format, r);
    bool focusShown = SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_FOCUS;
    if (focusShown && !text.empty()) {
        Size measured = MeasureDialogText(dc, text, Font(), format, r.Width());
        int top = (size.height - measured.height) / 2;
        RECT focus{x - 1, top - 1, std::min(x + measured.width + 1, size.width), top + measured.height + 1};
        SaveDcGuard saved(dc);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}
