#include "core/SystemDlls.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// Each ships with every 64-bit Windows from 7 SP1 on, as a part of the system
// rather than of a redistributable package. Add one only after checking both.
// Left out on purpose: the Universal CRT (ucrtbase.dll, api-ms-win-crt-*),
// which Windows 7 and 8.1 lack without an update; the other API sets
// (api-ms-win-*), whose names change between versions; the Visual C++
// runtimes (msvcr*, msvcp*, vcruntime*) and the compiler's runtime DLLs
// (libgcc_s_*, libstdc++-*, libwinpthread-*), which are linked in statically;
// zlib1.dll, also linked in; and DLLs that came after Windows 7 (shcore.dll).
constexpr std::array<std::string_view, 15> SystemDllNames{
    "kernel32.dll",  // files, memory, processes, modules
    "user32.dll",    // windows, messages, input
    "gdi32.dll",     // device contexts, bitmaps, regions, text
    "msimg32.dll",   // GradientFill, AlphaBlend, TransparentBlt
    "uxtheme.dll",   // visual styles
    "comctl32.dll",  // common controls (version 6 through the manifest)
    "comdlg32.dll",  // the open-file dialog
    "shell32.dll",   // drops, file operations, folder picker, file types
    "shlwapi.dll",   // shell helpers
    "ole32.dll",     // COM and OLE initialisation, the task allocator
    "oleaut32.dll",  // COM automation types
    "advapi32.dll",  // registry
    "msvcrt.dll",    // the system's C runtime, mingw-w64's default CRT
    "version.dll",   // version resources (the installer tests)
    "msi.dll",       // Windows Installer (the installer tests)
};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

}  // namespace

bool IsSystemDll(std::string_view dll)
{
    std::string lower = Lower(dll);
    return std::find(SystemDllNames.begin(), SystemDllNames.end(), lower) != SystemDllNames.end();
}

std::vector<std::string> ForeignDlls(const std::vector<std::string>& dlls)
{
    std::vector<std::string> foreign;
    std::copy_if(dlls.begin(), dlls.end(), std::back_inserter(foreign),
                 [](const std::string& dll) { return !IsSystemDll(dll); });
    return foreign;
}
