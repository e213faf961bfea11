#include "skin/scroll/acBaseWnd.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"

namespace {

// 0x2100 lies where OLE control containers put the messages they reflect
// back to a hosted child control: the original number plus WM_USER + 0x1C00
// (OCM__BASE in the platform's headers), here WM_KEYDOWN's. Who sends it: a
// container hosting an adapted window; nothing in this program does. Its
// WParam and LParam are WM_KEYDOWN's (the virtual key; the repeat count,
// scan code and flags). Who answers: the adapter itself, with 0; it goes on
// neither to the layers below nor to the control's own procedure.
constexpr UINT kReflectedMessageBase = WM_USER + 0x1C00;
constexpr UINT kReflectedKeyDown = kReflectedMessageBase + WM_KEYDOWN;
static_assert(kReflectedKeyDown == 0x2100);

}  // namespace

void TacBaseWnd::RepaintFrame()
{
    if (IsVisible())
        SendMessageA(Window(), WM_NCPAINT, 1, 0);
}

void TacBaseWnd::WndProc(TMessage& m)
{
    if (!IsActive()) {
        TacScrollWnd::WndProc(m);
        return;
    }
    switch (m.Msg) {
    case SM_SKINCMD:
        if (SkinCmdOf(m.WParam) == scRepaint && FromOwnManager(m)) {
            TacScrollWnd::WndProc(m);
            RepaintFrame();
            return;
        }
        break;
    case WM_SIZE:
        SkinData().CacheInvalid = true;
        break;
    case WM_SETCURSOR:
        CallOldHandler(m);
        return;
    case kReflectedKeyDown:
        m.Result = 0;
        return;
    default:
        break;
    }
    TacScrollWnd::WndProc(m);
    switch (m.Msg) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!Busy)
            RefreshBars(true);
        break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
        RepaintFrame();
        break;
    default:
        break;
    }
}
