#include "skin/dialogs/acOwnPaintWnd.h"

#include "skin/dialogs/DialogText.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "toolkit/Handles.h"

TacOwnPaintWnd::TacOwnPaintWnd(HWND window, const std::string& section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager, nullptr)
{
}

void TacOwnPaintWnd::ClipOutput(HDC dc)
{
    ExcludeVisibleChildren(dc, Window());
}

HFONT TacOwnPaintWnd::Font() const
{
    auto font = reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
    return font ? font : DialogMessageFont();
}

Point TacOwnPaintWnd::CursorInClient() const
{
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(Window(), &p);
    return {int(p.x), int(p.y)};
}

void TacOwnPaintWnd::Repaint()
{
    SkinData().CacheInvalid = true;
    if (IsVisible())
        InvalidateRect(Window(), nullptr, FALSE);
}

void TacOwnPaintWnd::PaintNow(HDC dc)
{
    SkinData().Updating = SkinData().PaintingSuspended();
    if (SkinData().Updating)
        return;
    PrepareCache();
    TBitmap* cache = SkinData().CacheBitmap();
    if (!cache || cache->Empty())
        return;
    SaveDcGuard saved(dc);
    ClipOutput(dc);
    BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
}

void TacOwnPaintWnd::Paint(TMessage& m)
{
    PaintDc dc(Window(), m.WParam);
    PaintNow(dc.Get());
    m.Result = 0;
}

// The control paints its new state at once in the window system's look: it
// does so with redrawing off, and the skin paints afterwards.
void TacOwnPaintWnd::QuietlyPass(TMessage& m)
{
    if (!IsVisible()) {
        CallOldHandler(m);
        return;
    }
    {
        RedrawOffGuard quiet(Window());
        CallOldHandler(m);
    }
    if (!Destroyed())
        Repaint();
}

void TacOwnPaintWnd::WndProc(TMessage& m)
{
    if (!IsActive()) {
        TacMainWnd::WndProc(m);
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        Paint(m);
        return;
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case WM_SETTEXT:
    case WM_ENABLE:
        QuietlyPass(m);
        return;
    case WM_SIZE:
    case WM_MOVE:
        SkinData().CacheInvalid = true;
        break;
    case WM_MOUSEMOVE:
        CallOldHandler(m);
        if (!Destroyed() && IsEnabled() && DefaultManager()) {
            TrackHotUnderCursor(Window());
            MouseMoved();
        }
        return;
    case SM_SKINCMD:
        switch (SkinCmdOf(m.WParam)) {
        case scMouseEnter:
        case scMouseLeave:
            SkinData().MouseOver = SkinCmdOf(m.WParam) == scMouseEnter;
            [[fallthrough]];
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
