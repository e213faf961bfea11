#pragma once
// Move-only owners of GDI and USER handles. Each frees its handle exactly once;
// copying is deleted so an early return or a copy can never free it twice.

#include <windows.h>

#include <utility>

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle(); }
    Handle Release() { return std::exchange(handle_, Handle()); }
    void Reset(Handle handle = Handle())
    {
        Handle old = std::exchange(handle_, handle);
        if (old != Handle())
            Traits::Free(old);
    }

private:
    Handle handle_ = Handle();
};

struct GdiObjectTraits {
    static void Free(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
    static void Free(HICON h) { DestroyIcon(h); }
};
struct MemoryDcTraits {
    static void Free(HDC h) { DeleteDC(h); }
};
struct KernelHandleTraits {
    static void Free(HANDLE h) { CloseHandle(h); }
};
struct MenuTraits {
    static void Free(HMENU h) { DestroyMenu(h); }
};

using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniquePen = UniqueHandle<HPEN, GdiObjectTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;

// A kernel handle; INVALID_HANDLE_VALUE is normalised to empty.
class UniqueFile : public UniqueHandle<HANDLE, KernelHandleTraits> {
public:
    UniqueFile() = default;
    explicit UniqueFile(HANDLE h)
        : UniqueHandle(h == INVALID_HANDLE_VALUE ? HANDLE() : h) {}
};

// A window DC obtained with GetDC, released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The DC of a whole window (frame included), obtained with GetWindowDC.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    ~WholeWindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A window's redrawing turned off for a scope and on again, also when an
// error passes.
class RedrawOffGuard {
public:
    explicit RedrawOffGuard(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
    RedrawOffGuard(const RedrawOffGuard&) = delete;
    RedrawOffGuard& operator=(const RedrawOffGuard&) = delete;
    ~RedrawOffGuard() { SendMessageW(window_, WM_SETREDRAW, TRUE, 0); }

private:
    HWND window_;
};

// Style bits taken off a window for a scope and put back.
class StrippedStyleGuard {
public:
    StrippedStyleGuard(HWND window, LONG bits) : window_(window), style_(GetWindowLongW(window, GWL_STYLE))
    {
        SetWindowLongW(window_, GWL_STYLE, style_ & ~bits);
    }
    StrippedStyleGuard(const StrippedStyleGuard&) = delete;
    StrippedStyleGuard& operator=(const StrippedStyleGuard&) = delete;
    ~StrippedStyleGuard() { SetWindowLongW(window_, GWL_STYLE, style_); }

private:
    HWND window_;
    LONG style_;
};

// A flag set for a scope and cleared again.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;
    ~FlagGuard() { flag_ = false; }

private:
    bool& flag_;
};

// Selects an object into a DC for a scope and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { if (previous_) SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves a DC's whole state for a scope (clip, origin, colours, selected objects).
class SaveDcGuard {
public:
    explicit SaveDcGuard(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    SaveDcGuard(const SaveDcGuard&) = delete;
    SaveDcGuard& operator=(const SaveDcGuard&) = delete;
    ~SaveDcGuard() { if (saved_) RestoreDC(dc_, saved_); }

private:
    HDC dc_;
    int saved_;
};

// Narrows a DC's clip to a rectangle for a scope and puts the old clip back.
// Unlike SaveDcGuard it leaves the selected objects alone, so a canvas that
// selects its own font or brush meanwhile keeps them.
class ClipRectGuard {
public:
    ClipRectGuard(HDC dc, int left, int top, int right, int bottom)
        : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0))
    {
        hadClip_ = GetClipRgn(dc_, saved_.Get()) == 1;
        IntersectClipRect(dc_, left, top, right, bottom);
    }
    ClipRectGuard(const ClipRectGuard&) = delete;
    ClipRectGuard& operator=(const ClipRectGuard&) = delete;
    ~ClipRectGuard() { SelectClipRgn(dc_, hadClip_ ? saved_.Get() : nullptr); }

private:
    HDC dc_;
    UniqueRegion saved_;
    bool hadClip_ = false;
};

// The DC of a WM_PAINT: the one the message brings, else BeginPaint's, which
// EndPaint gives back at the end of the scope.
class PaintDc {
public:
    PaintDc(HWND window, WPARAM givenDc) : window_(window), dc_(reinterpret_cast<HDC>(givenDc))
    {
        if (!dc_) {
            dc_ = BeginPaint(window_, &paint_);
            began_ = true;
        }
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { if (began_) EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }
    // The area to repaint: BeginPaint's, or the whole client area for a given DC.
    RECT Area() const
    {
        RECT r = paint_.rcPaint;
        if (!began_)
            GetClientRect(window_, &r);
        return r;
    }

private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT paint_{};
    bool began_ = false;
};
