#pragma once
// TPvxThemeServices: the platform's visual styles, looked up at run time so
// the program also runs where the theme library is missing. One per process,
// created on first use. It owns a hidden window that hears the platform's
// theme-change message, drops its cached theme data and tells every form and
// every control, which repaint.

#include <windows.h>

#include <memory>

enum class TPvxThemeMode { ttmNone, ttmPlatform, ttmNative };

// The visual-style calls the services use. Tests may put in their own (a
// theme that is always active, a part drawn in known colours).
struct TPvxThemeApi {
    using IsThemeActiveFn = BOOL(WINAPI*)();
    using OpenThemeDataFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
    using CloseThemeDataFn = HRESULT(WINAPI*)(HANDLE);
    using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);

    IsThemeActiveFn IsThemeActive = nullptr;
    OpenThemeDataFn OpenThemeData = nullptr;
    CloseThemeDataFn CloseThemeData = nullptr;
    DrawThemeBackgroundFn DrawThemeBackground = nullptr;

    bool Complete() const
    {
        return IsThemeActive && OpenThemeData && CloseThemeData && DrawThemeBackground;
    }
};

class TPvxThemeServices {
public:
    static TPvxThemeServices& Instance();
    ~TPvxThemeServices();
    TPvxThemeServices(const TPvxThemeServices&) = delete;
    TPvxThemeServices& operator=(const TPvxThemeServices&) = delete;

    // The application lets controls use visual styles (on by default).
    bool AllowVisualStyles() const { return allowVisualStyles_; }
    void SetAllowVisualStyles(bool value) { allowVisualStyles_ = value; }
    // The mode of controls that follow the application-wide setting.
    TPvxThemeMode GlobalThemeMode() const { return globalMode_; }
    void SetGlobalThemeMode(TPvxThemeMode mode) { globalMode_ = mode; }

    // The theme library is there with every call the services need.
    bool ThemesAvailable() const { return api_.Complete(); }
    // Visual styles apply: allowed, available, and a visual style is active.
    bool ThemesEnabled() const;
    // Whether a control of this mode draws through the visual style. No native
    // theme provider is ever registered here, so ttmNative acts as ttmPlatform.
    bool UseThemes(TPvxThemeMode mode, bool followGlobalMode) const;

    // Draws the push-button part of the "BUTTON" class in the given state over
    // r; false (nothing drawn) when the theme data cannot be had.
    bool DrawPushButton(HDC dc, const RECT& r, int state);

    // Replaces the visual-style calls (tests), or goes back to the platform's.
    void SetApi(const TPvxThemeApi& api);
    void UsePlatformApi();

    // What the hidden window does on the platform's theme-change message:
    // drops the cached theme data and repaints every form's controls.
    void ThemeChanged();
    HWND Handle() const { return window_; }

private:
    TPvxThemeServices();
    static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    void CloseButtonTheme();
    void CreateListener();

    HMODULE library_ = nullptr;
    TPvxThemeApi api_;
    HANDLE buttonTheme_ = nullptr;
    HWND window_ = nullptr;
    bool allowVisualStyles_ = true;
    TPvxThemeMode globalMode_ = TPvxThemeMode::ttmPlatform;
};
