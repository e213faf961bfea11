#include "toolkit/TaskWindows.h"

#include <utility>

namespace {

struct Disabling {
    HWND except;
    std::vector<HWND>* disabled;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM data)
{
    auto* task = reinterpret_cast<Disabling*>(data);
    if (window != task->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        task->disabled->push_back(window);
    }
    return TRUE;
}

}  // namespace

TTaskWindowsDisabled::TTaskWindowsDisabled(HWND except)
{
    Disabling task{except, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&task));
}

TTaskWindowsDisabled::~TTaskWindowsDisabled()
{
    Restore();
}

TTaskWindowsDisabled::TTaskWindowsDisabled(TTaskWindowsDisabled&& other) noexcept
    : disabled_(std::exchange(other.disabled_, {}))
{
}

TTaskWindowsDisabled& TTaskWindowsDisabled::operator=(TTaskWindowsDisabled&& other) noexcept
{
    if (this != &other) {
        Restore();
        disabled_ = std::exchange(other.disabled_, {});
    }
    return *this;
}

void TTaskWindowsDisabled::Restore()
{
    for (HWND window : disabled_)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    disabled_.clear();
}
