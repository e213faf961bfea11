#include "skin/dialogs/acSpinWnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include "gfx/RectFill.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Bitmap.h"

namespace {

enum class Pointing { Up, Down, Left, Right };

// A filled triangle centred in r, its tip towards `way`, as wide as the
// half's short side allows (at most 7 pixels across, 4 deep).
void DrawArrow(View24 pixels, const Rect& r, Pointing way, Rgb24 colour)
{
    bool vertical = way == Pointing::Up || way == Pointing::Down;
    int across = std::min(7, (vertical ? r.Width() : r.Height()) - 4);
    int depth = (across + 1) / 2;
    if (across < 1)
        return;
    int cx = r.left + (r.Width() - (vertical ? across : depth)) / 2;
    int cy = r.top + (r.Height() - (vertical ? depth : across)) / 2;
    for (int row = 0; row < depth; ++row) {
        // row 0 is the tip; each row further away is two pixels wider.
        int k = (way == Pointing::Down || way == Pointing::Right) ? depth - 1 - row : row;
        int from = depth - 1 - row, to = across - (depth - 1 - row);
        Rect line = vertical ? Rect{cx + from, cy + k, cx + to, cy + k + 1} : Rect{cx + k, cy + from, cx + k + 1, cy + to};
        FillRectColor(pixels, line, colour);
    }
}

}  // namespace

TacSpinWnd::TacSpinWnd(HWND window, TsSkinManager* manager) : TacOwnPaintWnd(window, "SPEEDBUTTON_SMALL", manager) {}

bool TacSpinWnd::Horizontal() const
{
    return GetWindowLongW(Window(), GWL_STYLE) & UDS_HORZ;
}

Rect TacSpinWnd::HalfRect(Half half) const
{
    RECT client{};
    GetClientRect(Window(), &client);
    int w = int(client.right), h = int(client.bottom);
    if (Horizontal())
        return half == hFirst ? Rect{0, 0, w / 2, h} : Rect{w / 2, 0, w, h};
    return half == hFirst ? Rect{0, 0, w, h / 2} : Rect{0, h / 2, w, h};
}

TacSpinWnd::Half TacSpinWnd::HalfAt(Point p) const
{
    if (HalfRect(hFirst).Contains(p))
        return hFirst;
    return HalfRect(hSecond).Contains(p) ? hSecond : hNone;
}

int TacSpinWnd::HalfState(Half half) const
{
    if (!IsEnabled())
        return 0;
    if (pressed_ == half && GetCapture() == Window())
        return 2;
    return hot_ == half && SkinEngine().HotWindow == Window() ? 1 : 0;
}

void TacSpinWnd::PaintHalf(View24 pixels, const TsBgSource& behind, Half half)
{
    Rect r = HalfRect(half);
    int state = HalfState(half);
    const TsSectionRef& section = SkinData().Section();
    PaintControlItem(TsPaintTarget(pixels, behind), section, r, state, {});
    Pointing way = Horizontal() ? (half == hFirst ? Pointing::Left : Pointing::Right)
                                : (half == hFirst ? Pointing::Up : Pointing::Down);
    int32_t colour = section.IsValid() ? (state ? section.Data().HotFontColor[0] : section.Data().FontColor[0])
                                       : int32_t(GetSysColor(COLOR_BTNTEXT));
    if (!IsEnabled())
        colour = int32_t(GetSysColor(COLOR_GRAYTEXT));
    if (state == 2)
        r = r.Translated(1, 1);
    DrawArrow(pixels, r, way, SkinRgb(colour));
}

void TacSpinWnd::PrepareCache()
{
    TBitmap* cache = CacheOfWindowSize();
    if (!cache)
        return;
    View24 pixels = cache->Pixels24();
    TsBgSource behind = ParentBackground();
    PaintBgInto(pixels, pixels.Bounds(), behind);
    PaintHalf(pixels, behind, hFirst);
    PaintHalf(pixels, behind, hSecond);
    SkinData().CacheInvalid = false;
}

void TacSpinWnd::MouseMoved()
{
    Half hot = HalfAt(CursorInClient());
    if (hot != hot_) {
        hot_ = hot;
        Repaint();
    }
}

void TacSpinWnd::WndProc(TMessage& m)
{
    if (!IsActive()) {
        TacOwnPaintWnd::WndProc(m);
        return;
    }
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = HalfAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        CallOldHandler(m);
        Repaint();
        return;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        CallOldHandler(m);
        pressed_ = hNone;
        Repaint();
        return;
    case SM_SKINCMD:
        if (SkinCmdOf(m.WParam) == scMouseLeave)
            hot_ = hNone;
        break;
    default:
        break;
    }
    TacOwnPaintWnd::WndProc(m);
}
