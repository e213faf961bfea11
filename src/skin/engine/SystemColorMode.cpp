#include "skin/engine/SystemColorMode.h"

#include <windows.h>

bool SystemAppsUseDark()
{
    DWORD value = 1, size = sizeof(value), type = 0;
    LONG rc = RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                           "AppsUseLightTheme", RRF_RT_REG_DWORD, &type, &value, &size);
    return rc == ERROR_SUCCESS && value == 0;
}
