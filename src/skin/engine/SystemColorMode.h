#pragma once
// The system's colour mode for applications: whether the user has asked apps
// to be dark (Personalize\AppsUseLightTheme = 0 under the current user).

// True only when the value exists, is a DWORD and is 0; light otherwise.
bool SystemAppsUseDark();

// The name of the WM_SETTINGCHANGE area that announces a colour mode change.
constexpr const char* kColorModeSettingArea = "ImmersiveColorSet";
