#include <gtest/gtest.h>

#include "core/LaterWindowsCalls.h"
#include "core/SystemDlls.h"

TEST(SystemDlls, TheSystemsOwnDllsInAnyCase)
{
    for (const char* dll : {"KERNEL32.dll", "kernel32.dll", "User32.DLL", "msvcrt.dll", "COMCTL32.dll", "uxtheme.dll"})
        EXPECT_TRUE(IsSystemDll(dll)) << dll;
}

// What a mingw-w64 build picks up when a library is not linked in, and what
// Wine carries but a bare Windows 7 lacks.
TEST(SystemDlls, RuntimesAndLibrariesAreForeign)
{
    for (const char* dll : {"zlib1.dll", "libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll",
                            "ucrtbase.dll", "api-ms-win-crt-runtime-l1-1-0.dll", "msvcp140.dll",
                            "vcruntime140.dll", "shcore.dll", "kernel32", "kernel32.dll.a", ""})
        EXPECT_FALSE(IsSystemDll(dll)) << dll;
}

TEST(SystemDlls, ForeignDllsAreNamedAsGivenInTheirOrder)
{
    EXPECT_EQ(ForeignDlls({"KERNEL32.dll", "zlib1.dll", "USER32.dll", "libstdc++-6.dll"}),
              (std::vector<std::string>{"zlib1.dll", "libstdc++-6.dll"}));
    EXPECT_TRUE(ForeignDlls({"KERNEL32.dll", "msvcrt.dll"}).empty());
}

TEST(LaterWindowsCalls, NamedWithTheVersionThatAddedThem)
{
    EXPECT_EQ(WindowsVersionThatAdded("GetSystemTimePreciseAsFileTime"), "Windows 8");
    EXPECT_EQ(WindowsVersionThatAdded("SetDefaultDllDirectories"), "Windows 8");
    EXPECT_EQ(WindowsVersionThatAdded("DiscardVirtualMemory"), "Windows 8.1");
    EXPECT_EQ(WindowsVersionThatAdded("GetDpiForWindow"), "Windows 10");
    EXPECT_EQ(WindowsVersionThatAdded("GetTempPath2W"), "Windows 11");
    // Calls of Windows 7 and before, and names that differ only in case.
    for (const char* call : {"GetTickCount64", "SHGetPathFromIDListEx", "CreateFileW", "getdpiforwindow", ""})
        EXPECT_EQ(WindowsVersionThatAdded(call), "") << call;
}
