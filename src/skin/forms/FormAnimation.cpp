#include "skin/forms/FormAnimation.h"

#include <windows.h>

#include "skin/engine/EngineState.h"
#include "skin/frame/FadeIn.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"

namespace {

constexpr const char* kOverlayClass = "TOutputWindow";
int lastFrameCount = 0;

LRESULT CALLBACK OverlayProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;  // the frames cover it whole
    case WM_NCPAINT:
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    default:
        return DefWindowProcA(window, msg, wParam, lParam);
    }
}

void RegisterOverlayClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = OverlayProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kOverlayClass;
    wc.hbrBackground = nullptr;
    registered = RegisterClassA(&wc) != 0;
}

// The overlay: a borderless popup over the form, owned by it, shaped like it.
class OverlayWindow {
public:
    OverlayWindow(HWND form, const RECT& at)
    {
        RegisterOverlayClass();
        DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
        if (GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST)
            exStyle |= WS_EX_TOPMOST;
        window_ = CreateWindowExA(exStyle, kOverlayClass, "acOutputWindow", WS_POPUP, at.left, at.top,
                                  at.right - at.left, at.bottom - at.top, form, nullptr, GetModuleHandleA(nullptr),
                                  nullptr);
        if (!window_)
            return;
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        if (GetWindowRgn(form, shape) != ERROR)
            SetWindowRgn(window_, shape, FALSE);
        else
            DeleteObject(shape);
        HWND above = GetWindow(form, GW_HWNDPREV);
        SetWindowPos(window_, above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    }
    OverlayWindow(const OverlayWindow&) = delete;
    OverlayWindow& operator=(const OverlayWindow&) = delete;
    ~OverlayWindow()
    {
        if (window_) {
            SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                         SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOCOPYBITS | SWP_NOREDRAW | SWP_NOZORDER);
            DestroyWindow(window_);
        }
    }
    HWND Get() const { return window_; }

private:
    HWND window_ = nullptr;
};

// A window and its windowed children painted into dc (window coordinates of 'top').
void PrintWindowTree(HWND window, HWND top, HDC dc)
{
    RECT topRect, rect;
    GetWindowRect(top, &topRect);
    GetWindowRect(window, &rect);
    int savedState = SaveDC(dc);
    SetViewportOrgEx(dc, rect.left - topRect.left, rect.top - topRect.top, nullptr);
    IntersectClipRect(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top);
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                 window == top ? 0 : PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    RestoreDC(dc, savedState);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)
            PrintWindowTree(child, top, dc);
}

}  // namespace

void AnimateFormShow(TCustomForm* form, unsigned milliseconds)
{
    HWND window = form->Handle();
    TsEngineFlag animating(SkinEngine().AnimationInProgress);
    RECT at;
    GetWindowRect(window, &at);
    const int width = at.right - at.left, height = at.bottom - at.top;
    std::vector<int> weights = FadeInWeights(milliseconds);
    lastFrameCount = int(weights.size());
    if (width > 0 && height > 0 && !weights.empty()) {
        TBitmap screen(width, height), image(width, height), frame(width, height);
        {
            HDC desktop = GetDC(nullptr);
            BitBlt(screen.Canvas().Handle(), 0, 0, width, height, desktop, at.left, at.top, SRCCOPY);
            ReleaseDC(nullptr, desktop);
        }
        PrintWindowTree(window, window, image.Canvas().Handle());
        OverlayWindow overlay(window, at);
        if (overlay.Get()) {
            HDC dc = GetDC(overlay.Get());
            for (std::size_t i = 0; i < weights.size(); ++i) {
                BlendFadeInFrame(frame.Pixels24(), screen.Pixels24(), image.Pixels24(), weights[i]);
                frame.DrawTo(dc, 0, 0);
                GdiFlush();
                if (i + 1 < weights.size())
                    Sleep(kFadeInFrameMilliseconds);
            }
            image.DrawTo(dc, 0, 0);
            ReleaseDC(overlay.Get(), dc);
        }
    }
    SkinEngine().AnimationInProgress = false;
    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

int LastFadeInFrameCount()
{
    return lastFrameCount;
}
