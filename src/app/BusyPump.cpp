#include "app/BusyPump.h"

#include <shellapi.h>

namespace {

bool IsInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_MOUSEHOVER ||
           message == WM_NCMOUSEHOVER || message == WM_DROPFILES;
}

bool IsAltF4(const MSG& msg)
{
    return msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4 && (HIWORD(msg.lParam) & KF_ALTDOWN);
}

bool IsCloseButtonPress(const MSG& msg)
{
    switch (msg.message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
        return msg.wParam == HTCLOSE;
    default:
        return false;
    }
}

}  // namespace

TBusyPump::~TBusyPump()
{
    if (quit_)
        PostQuitMessage(exitCode_);
}

void TBusyPump::Ask(Request request)
{
    if (static_cast<int>(request) > static_cast<int>(asked_))
        asked_ = request;
}

void TBusyPump::Pump()
{
    // Wide, like the program's own loop.
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        Handle(msg);
}

void TBusyPump::Handle(MSG& msg)
{
    if (msg.message == WM_QUIT) {
        quit_ = true;
        exitCode_ = static_cast<int>(msg.wParam);
        Ask(Request::Stop);
        return;
    }
    if (IsInput(msg.message) && !TakeInput(msg)) {
        if (msg.message == WM_DROPFILES)
            DragFinish(reinterpret_cast<HDROP>(msg.wParam));
        return;
    }
    DispatchMessageW(&msg);
}

bool TBusyPump::TakeInput(const MSG& msg)
{
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        Ask(Request::Stop);
        return false;
    }
    if (IsAltF4(msg)) {
        Ask(Request::StopAndClose);
        return false;
    }
    // The skinned frame shows the close button pressed and sends the close on
    // its release, which reaches the form as WM_CLOSE; hovering lights its
    // caption buttons and puts them out again.
    if (msg.hwnd != form_)
        return false;
    return msg.message == WM_NCMOUSEMOVE || IsCloseButtonPress(msg);
}
