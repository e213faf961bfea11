#include "controls/PvxThemeServices.h"

#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

constexpr const char* ListenerClass = "TPvxThemeServices";
constexpr int PushButtonPart = 1;  // BP_PUSHBUTTON

template <typename Fn>
Fn Lookup(HMODULE library, const char* name)
{
    return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                   : nullptr;
}

void NotifyControls(TWinControl* parent)
{
    for (TControl* c : std::vector<TControl*>(parent->Controls())) {
        c->Perform(WM_THEMECHANGED);
        if (auto* w = dynamic_cast<TWinControl*>(c))
            NotifyControls(w);
    }
}

}  // namespace

TPvxThemeServices& TPvxThemeServices::Instance()
{
    static std::unique_ptr<TPvxThemeServices> instance(new TPvxThemeServices);
    return *instance;
}

TPvxThemeServices::TPvxThemeServices()
{
    library_ = LoadLibraryA("uxtheme.dll");
    UsePlatformApi();
    CreateListener();
}

TPvxThemeServices::~TPvxThemeServices()
{
    CloseButtonTheme();
    if (window_)
        DestroyWindow(window_);
    if (library_)
        FreeLibrary(library_);
}

void TPvxThemeServices::CreateListener()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, ListenerClass, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WindowProcedure;
        wc.hInstance = instance;
        wc.lpszClassName = ListenerClass;
        RegisterClassExA(&wc);
    }
    // A hidden top-level window: the platform sends its theme-change message to
    // top-level windows (a message-only window would not hear it).
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, ListenerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
}

LRESULT CALLBACK TPvxThemeServices::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_THEMECHANGED) {
        Instance().ThemeChanged();
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

void TPvxThemeServices::UsePlatformApi()
{
    TPvxThemeApi api;
    api.IsThemeActive = Lookup<TPvxThemeApi::IsThemeActiveFn>(library_, "IsThemeActive");
    api.OpenThemeData = Lookup<TPvxThemeApi::OpenThemeDataFn>(library_, "OpenThemeData");
    api.CloseThemeData = Lookup<TPvxThemeApi::CloseThemeDataFn>(library_, "CloseThemeData");
    api.DrawThemeBackground =
        Lookup<TPvxThemeApi::DrawThemeBackgroundFn>(library_, "DrawThemeBackground");
    SetApi(api);
}

void TPvxThemeServices::SetApi(const TPvxThemeApi& api)
{
    CloseButtonTheme();
    api_ = api;
}

bool TPvxThemeServices::ThemesEnabled() const
{
    return allowVisualStyles_ && ThemesAvailable() && api_.IsThemeActive();
}

bool TPvxThemeServices::UseThemes(TPvxThemeMode mode, bool followGlobalMode) const
{
    TPvxThemeMode effective = followGlobalMode ? globalMode_ : mode;
    return effective != TPvxThemeMode::ttmNone && ThemesEnabled();
}

bool TPvxThemeServices::DrawPushButton(HDC dc, const RECT& r, int state)
{
    if (!ThemesAvailable())
        return false;
    if (!buttonTheme_)
        buttonTheme_ = api_.OpenThemeData(nullptr, L"BUTTON");
    if (!buttonTheme_)
        return false;
    return SUCCEEDED(api_.DrawThemeBackground(buttonTheme_, dc, PushButtonPart, state, &r, nullptr));
}

void TPvxThemeServices::CloseButtonTheme()
{
    if (buttonTheme_ && api_.CloseThemeData)
        api_.CloseThemeData(buttonTheme_);
    buttonTheme_ = nullptr;
}

void TPvxThemeServices::ThemeChanged()
{
    if (!ThemesAvailable())
        return;
    CloseButtonTheme();
    if (!Application)
        return;
    for (TComponent* c : std::vector<TComponent*>(Application->Components())) {
        if (auto* form = dynamic_cast<TCustomForm*>(c)) {
            form->Perform(WM_THEMECHANGED);
            NotifyControls(form);
        }
    }
}
