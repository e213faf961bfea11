// The installer as a user meets it: msiexec installs, starts, upgrades and
// uninstalls the built packages, without a user interface (/qn), in a Wine
// prefix made afresh for the run (run-in-fresh-prefix.sh), where the DLLs
// that Wine carries and a bare Windows lacks are switched off; the portable
// program starts there too. Paths of the build reach the test as Unix paths,
// which Wine serves on drive Z:.

#include <windows.h>

#include <msi.h>
#include <msiquery.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include "SystemImports.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* UpgradeCode = L"{B8090136-991F-4111-BFCA-E79723BCB5E7}";
constexpr const wchar_t* UninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr DWORD Timeout = 120000;
// Product properties (INSTALLPROPERTY_...) in their wide form.
constexpr const wchar_t* ProductName = L"InstalledProductName";
constexpr const wchar_t* ProductPublisher = L"Publisher";
constexpr const wchar_t* ProductVersion = L"VersionString";
constexpr const wchar_t* ProductIcon = L"ProductIcon";

std::wstring Widen(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()));
    wide.resize(size_t(length));
    return wide;
}

std::wstring BuildPath(const char* unixPath)
{
    std::wstring path = L"Z:" + Widen(unixPath);
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

std::wstring KnownFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return path;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The whole file, or nothing when it cannot be read.
std::string ReadBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char block[65536];
    DWORD read = 0;
    while (ReadFile(file, block, sizeof block, &read, nullptr) && read > 0)
        bytes.append(block, read);
    CloseHandle(file);
    return bytes;
}

// Whether two paths name the same file or folder (a folder with or without
// its closing backslash).
bool SamePath(std::wstring a, std::wstring b)
{
    for (std::wstring* path : {&a, &b})
        if (path->size() > 3 && path->back() == L'\\')
            path->pop_back();
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

// Where the package says it installs: the user's programs folder and Start menu.
struct Layout {
    std::wstring folder = KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Parivex";
    std::wstring program = folder + L"\\parivex.exe";
    std::wstring licence = folder + L"\\LICENSE.txt";
    std::wstring shortcut = KnownFolder(CSIDL_PROGRAMS) + L"\\Parivex.lnk";
    std::wstring sendTo = KnownFolder(CSIDL_SENDTO) + L"\\Parivex.lnk";
};

// Runs a command line to its end and returns its exit code (or ~0 when it
// does not start or does not end in time).
DWORD Run(std::wstring commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return ~DWORD(0);
    DWORD code = ~DWORD(0);
    if (WaitForSingleObject(process.hProcess, Timeout) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

DWORD Msiexec(const std::wstring& action, const std::wstring& package)
{
    return Run(L"msiexec.exe " + action + L" \"" + package + L"\" /qn");
}

// The installed products of the package's upgrade code.
std::vector<std::wstring> InstalledProducts()
{
    std::vector<std::wstring> products;
    wchar_t code[39] = {};
    for (DWORD i = 0; MsiEnumRelatedProductsW(UpgradeCode, 0, i, code) == ERROR_SUCCESS; ++i)
        products.push_back(code);
    return products;
}

std::wstring ProductInfo(const std::wstring& product, const wchar_t* property)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (MsiGetProductInfoW(product.c_str(), property, value, &length) != ERROR_SUCCESS)
        return {};
    return value;
}

std::wstring PackageProductCode(const std::wstring& package)
{
    MSIHANDLE database = 0;
    const wchar_t* readOnly = nullptr;  // MSIDBOPEN_READONLY, which is narrow here
    if (MsiOpenDatabaseW(package.c_str(), readOnly, &database) != ERROR_SUCCESS)
        return {};
    std::wstring code;
    MSIHANDLE view = 0, record = 0;
    if (MsiDatabaseOpenViewW(database, L"SELECT `Value` FROM `Property` WHERE `Property`='ProductCode'",
                             &view) == ERROR_SUCCESS &&
        MsiViewExecute(view, 0) == ERROR_SUCCESS && MsiViewFetch(view, &record) == ERROR_SUCCESS) {
        wchar_t value[39] = {};
        DWORD length = 39;
        if (MsiRecordGetStringW(record, 1, value, &length) == ERROR_SUCCESS)
            code = value;
        MsiCloseHandle(record);
    }
    if (view)
        MsiCloseHandle(view);
    MsiCloseHandle(database);
    return code;
}

std::wstring RegistryText(HKEY root, const std::wstring& key, const wchar_t* name)
{
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

// An entry of the installed-programs list, as the control panel reads it.
struct ProgramsEntry {
    std::wstring name, publisher, version, uninstall;
};

// The entries named "Parivex" in the installed-programs list: the uninstall
// keys of the machine and of the user.
std::vector<ProgramsEntry> ParivexEntries()
{
    std::vector<ProgramsEntry> entries;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        HKEY list = nullptr;
        if (RegOpenKeyExW(root, UninstallKey, 0, KEY_READ, &list) != ERROR_SUCCESS)
            continue;
        wchar_t name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            if (RegEnumKeyExW(list, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            std::wstring key = std::wstring(UninstallKey) + L"\\" + name;
            ProgramsEntry entry{RegistryText(root, key, L"DisplayName"), RegistryText(root, key, L"Publisher"),
                                RegistryText(root, key, L"DisplayVersion"),
                                RegistryText(root, key, L"UninstallString")};
            if (entry.name == L"Parivex")
                entries.push_back(entry);
        }
        RegCloseKey(list);
    }
    return entries;
}

std::wstring FileVersion(const std::wstring& path)
{
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (data.empty() || !GetFileVersionInfoW(path.c_str(), 0, DWORD(data.size()), data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info)
        return {};
    return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(info->dwFileVersionLS));
}

struct Shortcut {
    bool loaded = false;
    std::wstring target, workingFolder, iconFile, arguments;
};

Shortcut ReadShortcut(const std::wstring& path)
{
    Shortcut shortcut;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return shortcut;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
            wchar_t text[MAX_PATH] = {};
            int index = 0;
            shortcut.loaded = true;
            if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
                shortcut.target = text;
            if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
                shortcut.workingFolder = text;
            if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &index)))
                shortcut.iconFile = text;
            if (SUCCEEDED(link->GetArguments(text, MAX_PATH)))
                shortcut.arguments = text;
        }
        file->Release();
    }
    link->Release();
    return shortcut;
}

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM data)
{
    auto* found = reinterpret_cast<FoundWindow*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != found->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    found->window = window;
    return FALSE;
}

std::wstring WindowCaption(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// Starts what the shortcut names, in its working folder, and returns the
// caption of the program's main window once the program waits for input; then
// closes the window and expects the program to end well. (Wine's shell opens
// a shortcut without handing back the process it starts: ShellExecuteEx
// succeeds with hProcess left null even with SEE_MASK_NOCLOSEPROCESS.)
std::wstring StartAndClose(const Shortcut& shortcut)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + shortcut.target + L"\"";
    if (!CreateProcessW(shortcut.target.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        shortcut.workingFolder.c_str(), &startup, &process)) {
        ADD_FAILURE() << "the shortcut's program did not start: error " << GetLastError();
        return {};
    }
    std::wstring caption;
    if (WaitForInputIdle(process.hProcess, Timeout) == 0) {
        FoundWindow found{process.dwProcessId, nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&found));
        if (found.window) {
            caption = WindowCaption(found.window);
            PostMessageW(found.window, WM_CLOSE, 0, 0);
        }
    }
    DWORD code = ~DWORD(0);
    if (caption.empty())
        TerminateProcess(process.hProcess, 1);
    else if (WaitForSingleObject(process.hProcess, Timeout) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 0u) << "the program did not end well after its window was closed";
    return caption;
}

class Installer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_EQ(InstalledProducts().size(), 0u) << "the prefix is not fresh";
    }

    // Whatever a failed test left installed goes, so the next starts clean.
    void TearDown() override
    {
        for (const std::wstring& product : InstalledProducts())
            Msiexec(L"/x", product);
        CoUninitialize();
    }

    // The one installed product, with its entry in the list and the program
    // in place, as VERSION; returns its product code.
    std::wstring ExpectInstalledOnce(const std::wstring& version)
    {
        std::vector<std::wstring> products = InstalledProducts();
        EXPECT_EQ(products.size(), 1u);
        std::vector<ProgramsEntry> entries = ParivexEntries();
        EXPECT_EQ(entries.size(), 1u) << "entries named Parivex in the installed-programs list";
        if (products.size() != 1 || entries.size() != 1)
            return {};
        const std::wstring& product = products.front();
        EXPECT_EQ(ProductInfo(product, ProductName), L"Parivex");
        EXPECT_EQ(ProductInfo(product, ProductPublisher), Widen(PVX_PUBLISHER));
        EXPECT_EQ(ProductInfo(product, ProductVersion), version);
        EXPECT_EQ(entries.front().publisher, Widen(PVX_PUBLISHER));
        EXPECT_EQ(entries.front().version, version);
        EXPECT_NE(entries.front().uninstall.find(product), std::wstring::npos) << Narrow(entries.front().uninstall);
        std::wstring icon = ProductInfo(product, ProductIcon);
        EXPECT_EQ(ReadBytes(icon), ReadBytes(BuildPath(PVX_ICON))) << "the entry's icon " << Narrow(icon);
        EXPECT_EQ(FileVersion(layout.program), version) << "the installed program's version resource";
        return product;
    }

    void ExpectNothingLeft(const std::wstring& iconOfEntry)
    {
        EXPECT_TRUE(InstalledProducts().empty());
        EXPECT_TRUE(ParivexEntries().empty());
        EXPECT_FALSE(Exists(layout.program));
        EXPECT_FALSE(Exists(layout.licence));
        EXPECT_FALSE(Exists(layout.folder)) << "the program's folder stayed";
        EXPECT_FALSE(Exists(layout.shortcut));
        EXPECT_FALSE(Exists(layout.sendTo)) << "the Send To shortcut stayed";
        EXPECT_FALSE(Exists(iconOfEntry)) << Narrow(iconOfEntry);
        std::wstring key = L"Software\\" + Widen(PVX_PUBLISHER);
        HKEY left = nullptr;
        EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &left), ERROR_FILE_NOT_FOUND)
            << "the installer's registry key stayed";
        if (left)
            RegCloseKey(left);
    }

    Layout layout;
    std::wstring package = BuildPath(PVX_MSI);
    std::wstring version = Widen(PVX_VERSION);
    std::string unzippedProgram = ReadBytes(BuildPath(PVX_UNZIPPED_PROGRAM));
};

TEST_F(Installer, InstallsStartsAndUninstallsCleanly)
{
    ASSERT_EQ(Msiexec(L"/i", package), 0u);
    std::wstring product = ExpectInstalledOnce(version);
    EXPECT_EQ(product, PackageProductCode(package));

    ASSERT_TRUE(Exists(layout.program)) << Narrow(layout.program);
    EXPECT_TRUE(ImportsOnlyWhatWindows7Has(layout.program));
    EXPECT_EQ(ReadBytes(layout.program), unzippedProgram) << "the installed program is not the zip's";
    EXPECT_FALSE(unzippedProgram.empty());
    EXPECT_EQ(ReadBytes(layout.licence).substr(0, 11), "MIT License");

    Shortcut shortcut = ReadShortcut(layout.shortcut);
    ASSERT_TRUE(shortcut.loaded) << "no Start menu shortcut " << Narrow(layout.shortcut);
    EXPECT_TRUE(SamePath(shortcut.target, layout.program)) << Narrow(shortcut.target);
    EXPECT_TRUE(SamePath(shortcut.workingFolder, layout.folder)) << Narrow(shortcut.workingFolder);
    EXPECT_EQ(ReadBytes(shortcut.iconFile), ReadBytes(BuildPath(PVX_ICON))) << Narrow(shortcut.iconFile);

    EXPECT_EQ(StartAndClose(shortcut), L"Parivex 1.1");

    // The shell adds the selected files to what a Send To shortcut names.
    Shortcut sendTo = ReadShortcut(layout.sendTo);
    ASSERT_TRUE(sendTo.loaded) << "no Send To shortcut " << Narrow(layout.sendTo);
    EXPECT_TRUE(SamePath(sendTo.target, layout.program)) << Narrow(sendTo.target);
    EXPECT_EQ(sendTo.arguments, L"") << "fixed arguments would come before the files";
    EXPECT_EQ(ReadBytes(sendTo.iconFile), ReadBytes(BuildPath(PVX_ICON))) << Narrow(sendTo.iconFile);

    std::wstring icon = ProductInfo(product, ProductIcon);
    ASSERT_EQ(Msiexec(L"/x", package), 0u);
    ExpectNothingLeft(icon);
}

TEST_F(Installer, NewerVersionReplacesTheOlderInPlace)
{
    std::wstring older = BuildPath(PVX_OLDER_MSI);
    ASSERT_EQ(Msiexec(L"/i", older), 0u);
    std::wstring olderProduct = ExpectInstalledOnce(Widen(PVX_OLDER_VERSION));
    EXPECT_NE(ReadBytes(layout.program), unzippedProgram);

    ASSERT_EQ(Msiexec(L"/i", package), 0u);
    std::wstring product = ExpectInstalledOnce(version);
    EXPECT_NE(product, olderProduct);
    EXPECT_EQ(ReadBytes(layout.program), unzippedProgram) << "the older program stayed";
    EXPECT_TRUE(SamePath(ReadShortcut(layout.shortcut).target, layout.program));

    // The older package refuses to go over the newer and changes nothing.
    EXPECT_EQ(Msiexec(L"/i", older), DWORD(ERROR_INSTALL_FAILURE));
    EXPECT_EQ(ExpectInstalledOnce(version), product);
    EXPECT_EQ(ReadBytes(layout.program), unzippedProgram);

    std::wstring icon = ProductInfo(product, ProductIcon);
    ASSERT_EQ(Msiexec(L"/x", package), 0u);
    ExpectNothingLeft(icon);
}

// Every build of a package has a product code of its own: another build of
// the same version replaces the installed one rather than adding a second.
TEST_F(Installer, AnotherBuildOfTheSameVersionReplacesTheInstalledOne)
{
    std::wstring rebuilt = BuildPath(PVX_REBUILT_MSI);
    ASSERT_NE(PackageProductCode(rebuilt), PackageProductCode(package));
    ASSERT_EQ(Msiexec(L"/i", package), 0u);
    ExpectInstalledOnce(version);

    ASSERT_EQ(Msiexec(L"/i", rebuilt), 0u);
    EXPECT_EQ(ExpectInstalledOnce(version), PackageProductCode(rebuilt));
    EXPECT_EQ(ReadBytes(layout.program), unzippedProgram);

    std::wstring icon = ProductInfo(PackageProductCode(rebuilt), ProductIcon);
    ASSERT_EQ(Msiexec(L"/x", rebuilt), 0u);
    ExpectNothingLeft(icon);
}

// The portable program starts where it was unpacked, with nothing installed.
TEST(PortableProgram, StartsWhereItWasUnpacked)
{
    std::wstring program = BuildPath(PVX_UNZIPPED_PROGRAM);
    EXPECT_TRUE(ImportsOnlyWhatWindows7Has(program));
    Shortcut unpacked{true, program, program.substr(0, program.rfind(L'\\')), {}, {}};
    EXPECT_EQ(StartAndClose(unpacked), L"Parivex 1.1");
}

// The names of wine-only-dlls.txt, which run-in-fresh-prefix.sh switches off.
std::vector<std::string> WineOnlyDlls()
{
    std::istringstream list(ReadBytes(BuildPath(PVX_WINE_ONLY_DLLS)));
    std::vector<std::string> names;
    for (std::string line; std::getline(list, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string name; words >> name;)
            names.push_back(name + ".dll");
    }
    return names;
}

// The programs above start in a prefix that lacks what a bare Windows lacks.
TEST(BarePrefix, LacksTheDllsWindowsLacks)
{
    std::vector<std::string> dlls = WineOnlyDlls();
    ASSERT_GT(dlls.size(), 100u);
    for (const std::string& dll : dlls) {
        HMODULE module = LoadLibraryA(dll.c_str());
        EXPECT_EQ(module, nullptr) << dll << " is there";
        if (module)
            FreeLibrary(module);
    }
}

}  // namespace
