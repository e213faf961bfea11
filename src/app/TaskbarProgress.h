#pragma once
// A long command's progress on the window's taskbar button. Windows only.

#include <windows.h>

#include <cstdint>

struct ITaskbarList3;

// Shows progress on the button through ITaskbarList3 where the system offers
// it (Windows 7 and later); where it does not (Wine may lack it), nothing is
// shown and nothing fails. The button is asked for only at the first Show, so
// that commands ending sooner never create the interface.
class TTaskbarProgress {
public:
    explicit TTaskbarProgress(HWND window) : window_(window) {}
    // Takes the progress off the button again.
    ~TTaskbarProgress();
    TTaskbarProgress(const TTaskbarProgress&) = delete;
    TTaskbarProgress& operator=(const TTaskbarProgress&) = delete;

    // `done` of `total`; with no total known, a busy marquee instead.
    void Show(std::uint64_t done, std::uint64_t total);

private:
    bool Connect();

    HWND window_;
    ITaskbarList3* list_ = nullptr;
    bool tried_ = false;
};
