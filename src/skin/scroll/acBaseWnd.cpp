#include "skin/scroll/acBaseWnd.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"

namespace {

// Sent by some controls of the system to their children; nothing to do here.
constexpr UINT kSwallowedMessage = 0x2100;

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
    case kSwallowedMessage:
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
