#include <gtest/gtest.h>

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
