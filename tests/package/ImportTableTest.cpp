// What a bare Windows 7 must find before the programs of this build start:
// each imports system DLLs only, and none of the calls later versions added.
// Wine carries many DLLs that Windows lacks (zlib1 among them) and the calls
// of every version, so running under Wine alone cannot show this; reading the
// import tables can.

#include <windows.h>

#include <gtest/gtest.h>

#include "SystemImports.h"
#include "core/PeImports.h"

#include <algorithm>
#include <string>
#include <vector>

// The build holds the oldest Windows the program runs on, so the headers
// declare no call that a later version added (CMakeLists.txt).
static_assert(_WIN32_WINNT == _WIN32_WINNT_WIN7 && WINVER == _WIN32_WINNT_WIN7 && NTDDI_VERSION == NTDDI_WIN7);

namespace {

// The build's list of its programs, one Unix path a line.
std::vector<std::string> BuiltPrograms()
{
    std::vector<std::uint8_t> list = ReadWholeFile(WindowsPathOfBuildFile(PVX_BUILT_PROGRAMS));
    std::vector<std::string> programs;
    std::string line;
    for (std::uint8_t c : list) {
        if (c != '\n') {
            line += char(c);
        } else if (!line.empty()) {
            programs.push_back(line);
            line.clear();
        }
    }
    return programs;
}

bool Lists(const std::vector<std::string>& programs, const std::string& program)
{
    return std::find(programs.begin(), programs.end(), program) != programs.end();
}

TEST(ImportTable, EveryProgramOfTheBuildImportsOnlyWhatWindows7Has)
{
    std::vector<std::string> programs = BuiltPrograms();
    ASSERT_TRUE(Lists(programs, PVX_PROGRAM)) << "the build lists no " << PVX_PROGRAM;
    ASSERT_TRUE(Lists(programs, PVX_STAGED_PROGRAM)) << "the build lists no " << PVX_STAGED_PROGRAM;
    for (const std::string& program : programs)
        EXPECT_TRUE(ImportsOnlyWhatWindows7Has(WindowsPathOfBuildFile(program)));
}

// The fault this test was written for, zlib taken from its DLL, and a call
// the headers let through. The probe's other imports are Windows 7's, so
// these two are all that is named.
TEST(ImportTable, AProgramNeedingZlibsDllOrAWindows8CallIsNamedWithThem)
{
    std::wstring probe = WindowsPathOfBuildFile(PVX_BARE_WINDOWS_PROBE);
    PeImports imports = ReadPeImports(ReadWholeFile(probe));
    ASSERT_GE(imports.dlls.size(), 3u);
    ASSERT_GE(imports.calls.size(), 10u);
    testing::AssertionResult result = ImportsOnlyWhatWindows7Has(probe);
    ASSERT_FALSE(result);
    std::string message = result.message();
    EXPECT_EQ(message.substr(message.find(" imports")),
              " imports what a bare Windows 7 lacks: zlib1.dll KERNEL32.dll!GetSystemTimePreciseAsFileTime (Windows 8)");
}

// The names the loader bound for this very program, read from its image in
// memory with the system's own header structures.
std::vector<std::string> ImportsAsLoaded()
{
    auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> dlls;
    auto* descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
    for (; descriptor->Name; ++descriptor)
        dlls.push_back(reinterpret_cast<const char*>(base + descriptor->Name));
    return dlls;
}

TEST(ImportTable, TheReaderFindsWhatTheLoaderLoaded)
{
    wchar_t self[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    std::vector<std::string> read = ReadPeImports(ReadWholeFile(self)).dlls;
    std::vector<std::string> loaded = ImportsAsLoaded();
    EXPECT_EQ(read, loaded);
    EXPECT_GE(read.size(), 2u);
    for (const std::string& dll : read)
        EXPECT_NE(GetModuleHandleA(dll.c_str()), nullptr) << dll << " is not loaded";
}

}  // namespace
