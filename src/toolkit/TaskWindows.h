#pragma once
// TTaskWindowsDisabled: the program's windows made inert for a scope, as a
// modal form or a system dialog owned by no window needs them.

#include <windows.h>

#include <vector>

// Disables every visible, enabled top-level window of the calling thread but
// one (a modal form's own window), and enables exactly those again when it
// ends. Windows created meanwhile (the dialog itself) are left alone.
class TTaskWindowsDisabled {
public:
    explicit TTaskWindowsDisabled(HWND except = nullptr);
    ~TTaskWindowsDisabled();
    TTaskWindowsDisabled(TTaskWindowsDisabled&& other) noexcept;
    TTaskWindowsDisabled& operator=(TTaskWindowsDisabled&& other) noexcept;
    TTaskWindowsDisabled(const TTaskWindowsDisabled&) = delete;
    TTaskWindowsDisabled& operator=(const TTaskWindowsDisabled&) = delete;

    // Enables the windows now rather than at the end of the scope.
    void Restore();

private:
    std::vector<HWND> disabled_;
};
