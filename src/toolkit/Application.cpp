#include "toolkit/Application.h"

#include <new>
#include <utility>

#include "core/Exceptions.h"
#include "toolkit/Form.h"
#include "toolkit/HintWindow.h"
#include "toolkit/Timer.h"

TApplication* Application = nullptr;

std::string ErrorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

TApplication::TApplication() : TComponent(nullptr)
{
    if (!Application)
        Application = this;
}

TApplication::~TApplication()
{
    Destroying();
    DestroyComponents();
    if (handle_)
        DestroyWindow(handle_);
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize()
{
    if (handle_)
        return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "TApplication";
    RegisterClassExA(&wc);
    // A hidden owner for shell calls; the main form, not this window, carries
    // the taskbar button, so its own text stays empty.
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, "TApplication", "", WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, instance, nullptr);

    icon_.LoadFromResourceName(instance, "MAINICON");

    hintWindow_ = new THintWindow(this);
    hintTimer_ = new TTimer(this);
    hintTimer_->SetEnabled(false);
    hintTimer_->OnTimer = [this](TComponent*) { ShowHintNow(); };
    hintHideTimer_ = new TTimer(this);
    hintHideTimer_->SetEnabled(false);
    hintHideTimer_->OnTimer = [this](TComponent*) { CancelHint(); };
}

void TApplication::FormDestroyed(TCustomForm* form)
{
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

void TApplication::Minimize()
{
    if (!mainForm_ || !mainForm_->HandleAllocated() || IsIconic(mainForm_->Handle()))
        return;
    CancelHint();
    struct Walk {
        HWND main, self;
        std::vector<HWND>* hidden;
    } walk{mainForm_->Handle(), handle_, &hiddenByMinimize_};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* w = reinterpret_cast<Walk*>(data);
            if (window != w->main && window != w->self && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
                ShowWindow(window, SW_HIDE);
                w->hidden->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    minimized_ = true;
    SendMessageA(mainForm_->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TApplication::MainFormRestored()
{
    if (!minimized_)
        return;
    minimized_ = false;
    for (HWND window : std::exchange(hiddenByMinimize_, {}))
        if (IsWindow(window))
            ShowWindow(window, SW_SHOWNA);
}

void TApplication::Run()
{
    if (!mainForm_)
        return;
    mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void TApplication::Terminate()
{
    if (!terminated_)
        PostQuitMessage(0);
    terminated_ = true;
}

void TApplication::HandleMessage()
{
    MSG msg{};
    if (!ProcessMessage(msg))
        WaitMessage();
}

void TApplication::ProcessMessages()
{
    MSG msg{};
    while (ProcessMessage(msg)) {
    }
}

bool TApplication::ProcessMessage(MSG& msg)
{
    // Wide, like the toolkit's windows: a single-byte loop would pass a typed
    // character through the code page on its way to them.
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            CancelHint();
            break;
        default:
            break;
        }
        if (!IsKeyMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (...) {
        HandleException(std::current_exception());
    }
    return true;
}

// Keys go first to the toolkit control that has the focus (as CN_KEYDOWN and
// friends); a control or its form that takes the key (Tab, Enter, Escape)
// keeps it from the window.
bool TApplication::IsKeyMessage(const MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    HWND window = msg.hwnd;
    TWinControl* control = nullptr;
    while (window && !(control = TWinControl::FromHandle(window)))
        window = GetParent(window);
    if (!control)
        return false;
    return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::HandleException(std::exception_ptr error)
{
    std::string message;
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::bad_alloc&) {
        message = EOutOfMemory().Message();
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown error";
    }
    ShowException(message);
}

void TApplication::ShowException(const std::string& message)
{
    // A paint that keeps failing under the box would open a box in a box
    // without end.
    if (showingError_)
        return;
    struct Showing {
        bool& flag;
        explicit Showing(bool& f) : flag(f) { flag = true; }
        ~Showing() { flag = false; }
    } showing(showingError_);
    CancelHint();
    MessageBoxA(GetActiveWindow(), ErrorBoxText(message).c_str(), title_.c_str(),
                MB_OK | MB_ICONERROR);
}

void TApplication::MouseOver(TControl* control)
{
    if (control == mouseControl_)
        return;
    TControl* previous = mouseControl_;
    mouseControl_ = control;
    if (previous)
        previous->Perform(CM_MOUSELEAVE);
    if (control)
        control->Perform(CM_MOUSEENTER);

    CancelHint();
    if (showHint_ && control && control->EffectiveShowHint() && !control->Hint().empty() && hintTimer_) {
        hintControl_ = control;
        hintTimer_->SetInterval(HintPause);
        hintTimer_->SetEnabled(true);
    }
}

void TApplication::MouseLeftWindow(TWinControl* window)
{
    if (!mouseControl_)
        return;
    TControl* c = mouseControl_;
    bool inside = c == window ||
                  (c->Parent() == window && !dynamic_cast<TWinControl*>(c));
    if (inside)
        MouseOver(nullptr);
}

void TApplication::ControlDestroyed(TControl* control)
{
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    if (hintControl_ == control) {
        hintControl_ = nullptr;
        CancelHint();
    }
}

void TApplication::SetShowHint(bool value)
{
    showHint_ = value;
    if (!value)
        CancelHint();
}

void TApplication::ShowHintNow()
{
    hintTimer_->SetEnabled(false);
    if (!showHint_ || !hintControl_ || hintControl_ != mouseControl_)
        return;
    POINT pt{};
    GetCursorPos(&pt);
    hintWindow_->ActivateHint({int(pt.x), int(pt.y) + 20}, hintControl_->Hint());
    hintHideTimer_->SetInterval(HintHidePause);
    hintHideTimer_->SetEnabled(true);
}

void TApplication::CancelHint()
{
    if (hintTimer_)
        hintTimer_->SetEnabled(false);
    if (hintHideTimer_)
        hintHideTimer_->SetEnabled(false);
    if (hintWindow_)
        hintWindow_->ReleaseHandle();
    hintControl_ = nullptr;
}
