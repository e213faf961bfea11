#pragma once
// The user-interface thread's messages while a command reads files on it.
// Windows only.

#include <windows.h>

// Handles what paints, times or is sent to the program's windows, so they go
// on answering; input is dropped as while a modal box is open (no second
// command, no drop, no typing), except what stops the command: Esc, Alt+F4
// and the close button of `form`. A close that reaches `form` as a message
// (the taskbar's Close window) is to be passed on to Ask by the form itself.
class TBusyPump {
public:
    enum class Request { None, Stop, StopAndClose };

    explicit TBusyPump(HWND form) : form_(form) {}
    // A quit that arrived meanwhile is posted again for the program's loop.
    ~TBusyPump();
    TBusyPump(const TBusyPump&) = delete;
    TBusyPump& operator=(const TBusyPump&) = delete;

    // Handles every message waiting in the thread's queue, then returns.
    void Pump();

    // The stronger of the requests made so far stands.
    void Ask(Request request);
    Request Asked() const { return asked_; }

private:
    void Handle(MSG& msg);
    // Whether the input message is one that stops the command or leads to it
    // (the close button's press and release, the frame's hover).
    bool TakeInput(const MSG& msg);

    HWND form_;
    Request asked_ = Request::None;
    bool quit_ = false;
    int exitCode_ = 0;
};
