#include <gtest/gtest.h>

#include <shlobj.h>

#include <fstream>
#include <iterator>

#include "fileservices/PvxFileCtrl.h"
#include "fileservices/ShellServices.h"
#include "support/WinTestHelpers.h"
#include "toolkit/SysUtils.h"

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A name no earlier run has left in the trash.
std::string UniqueName(const char* stem)
{
    return std::string(stem) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64()) + ".txt";
}

// Takes a file the test sent to the trash out again.
void RemoveFromTrash(const std::string& trash, const std::string& name)
{
    DeleteFileA((trash + "\\files\\" + name).c_str());
    DeleteFileA((trash + "\\info\\" + name + ".trashinfo").c_str());
}

constexpr const char* DeleteConfirmation = "Confirm file deletion";

// The path through drive Z: (the Unix root under Wine) of a Windows path;
// empty on Windows.
std::string ThroughDriveZ(const std::string& path)
{
    using UnixName = char* (*)(const WCHAR*);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName)
        return {};
    std::wstring wide(path.begin(), path.end());
    char* name = unixName(wide.c_str());
    if (!name)
        return {};
    std::string result = "Z:" + std::string(name);
    HeapFree(GetProcessHeap(), 0, name);
    for (char& c : result)
        if (c == '/')
            c = '\\';
    return result;
}

// Volume serial number and file index: which folder a path reaches.
std::pair<DWORD, DWORD> FolderIdentity(const std::string& path)
{
    HANDLE folder = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    GetFileInformationByHandle(folder, &info);
    CloseHandle(folder);
    return {info.dwVolumeSerialNumber, info.nFileIndexLow};
}

class ShellOperationTest : public testing::Test {
protected:
    TempDir dir;
    TPvxFileCtrl file{nullptr};
};

TEST_F(ShellOperationTest, DeleteSendsTheFileToTheTrashWithItsBytes)
{
    std::string name = UniqueName("trash-me");
    std::string bytes = "bytes that must survive\r\n\x01\x02";
    std::string path = dir.WriteFile(name, bytes);
    DialogAnswerer answer(DeleteConfirmation, "Yes");
    EXPECT_TRUE(file.Delete(path));
    answer.Stop();
    EXPECT_TRUE(answer.Result().seen) << "the shell asks before deleting";
    EXPECT_FALSE(Exists(path));
    std::string trash = WineTrashFolder();
    ASSERT_FALSE(trash.empty());
    EXPECT_EQ(ReadAll(trash + "\\files\\" + name), bytes);
    EXPECT_TRUE(Exists(trash + "\\info\\" + name + ".trashinfo"));
    RemoveFromTrash(trash, name);
}

TEST_F(ShellOperationTest, DecliningTheConfirmationKeepsTheFile)
{
    std::string path = dir.WriteFile("keep.txt", "keep");
    DialogAnswerer answer(DeleteConfirmation, "No");
    EXPECT_FALSE(file.Delete(path));
    answer.Stop();
    EXPECT_TRUE(answer.Result().pressed);
    EXPECT_EQ(ReadAll(path), "keep");
}

TEST_F(ShellOperationTest, AnEmptyPathFailsAtOnceWithoutAnyDialog)
{
    DialogAnswerer answer("", "OK");
    EXPECT_FALSE(file.Delete(""));
    EXPECT_FALSE(file.Move("", dir.Path()));
    answer.Stop();
    EXPECT_FALSE(answer.Result().seen);
}

TEST_F(ShellOperationTest, MoveIntoAFolder)
{
    std::string path = dir.WriteFile("moving.txt", "moved bytes");
    CreateDirectoryA(dir.PathOf("target").c_str(), nullptr);
    EXPECT_TRUE(file.Move(path, dir.PathOf("target")));
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(ReadAll(dir.PathOf("target\\moving.txt")), "moved bytes");
}

TEST_F(ShellOperationTest, ARelativeSourceIsMadeAbsolute)
{
    dir.WriteFile("relative.txt", "r");
    CreateDirectoryA(dir.PathOf("target").c_str(), nullptr);
    bool moved;
    {
        TStartFolderOverride start(dir.Path());
        moved = file.Move("relative.txt", "target");
    }
    EXPECT_TRUE(moved);
    EXPECT_TRUE(Exists(dir.PathOf("target\\relative.txt")));
}

TEST_F(ShellOperationTest, ANameClashTheUserDeclinesFails)
{
    std::string path = dir.WriteFile("clash.txt", "new");
    CreateDirectoryA(dir.PathOf("target").c_str(), nullptr);
    std::string existing = dir.WriteFile("target\\clash.txt", "old");
    DialogAnswerer answer("Confirm File Replace", "No");
    EXPECT_FALSE(file.Move(path, dir.PathOf("target")));
    answer.Stop();
    EXPECT_TRUE(answer.Result().seen) << "the user is asked before a file is replaced";
    EXPECT_EQ(ReadAll(existing), "old");
    EXPECT_EQ(ReadAll(path), "new");
}

TEST_F(ShellOperationTest, ANameClashTheUserAcceptsReplacesTheFile)
{
    std::string path = dir.WriteFile("clash.txt", "new");
    CreateDirectoryA(dir.PathOf("target").c_str(), nullptr);
    std::string existing = dir.WriteFile("target\\clash.txt", "old");
    DialogAnswerer answer("Confirm File Replace", "Yes");
    EXPECT_TRUE(file.Move(path, dir.PathOf("target")));
    answer.Stop();
    EXPECT_EQ(ReadAll(existing), "new");
    EXPECT_FALSE(Exists(path));
}

// Given a missing folder, the shell renamed the file to that path, and the
// command emptied the edit as if it had been moved.
TEST_F(ShellOperationTest, AMoveIntoAMissingFolderOrOntoAFileFailsAndTouchesNothing)
{
    std::string path = dir.WriteFile("kept.txt", "kept");
    std::string other = dir.WriteFile("other.txt", "other");
    DialogAnswerer answer("", "Yes");
    EXPECT_FALSE(file.Move(path, dir.PathOf("missing")));
    EXPECT_FALSE(file.Move(path, other));
    EXPECT_FALSE(file.Move(path, ""));
    answer.Stop();
    EXPECT_FALSE(answer.Result().seen) << "refused before the shell is asked";
    EXPECT_EQ(ReadAll(path), "kept");
    EXPECT_EQ(ReadAll(other), "other");
    EXPECT_FALSE(Exists(dir.PathOf("missing")));
}

// The file's own folder is recognised by identity, not by the text of the
// path: here through drive Z: (another drive letter for the same place), and
// with a "." or ".." in the path.
TEST_F(ShellOperationTest, TheFilesOwnFolderUnderAnotherPathIsRecognised)
{
    std::string path = dir.WriteFile("stay.txt", "stay");
    CreateDirectoryA(dir.PathOf("sub").c_str(), nullptr);
    std::string viaZ = ThroughDriveZ(dir.Path());
    ASSERT_FALSE(viaZ.empty());
    ASSERT_EQ(FolderIdentity(viaZ), FolderIdentity(dir.Path()));
    DialogAnswerer answer("", "Yes");
    EXPECT_FALSE(file.Move(path, viaZ));
    EXPECT_FALSE(file.Move(path, dir.Path() + "\\sub\\.."));
    EXPECT_FALSE(file.Move(ThroughDriveZ(path), dir.Path() + "\\."));
    answer.Stop();
    EXPECT_FALSE(answer.Result().seen);
    EXPECT_EQ(ReadAll(path), "stay");
    EXPECT_TRUE(file.Move(path, viaZ + "\\sub")) << "a folder of its own still takes it";
    EXPECT_EQ(ReadAll(dir.PathOf("sub\\stay.txt")), "stay");
}

// Wine's prefix links the desktop folder to the home folder: the folder of a
// file on the desktop, reached through the home folder, is the same folder.
TEST(ShellOperationLinks, TheFilesOwnFolderThroughASymbolicLinkIsRecognised)
{
    char desktop[MAX_PATH] = {};
    char home[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop)));
    // Wine hands the home folder on as a Windows path through drive Z:, "\\??\\Z:\\root".
    std::string homeThroughZ = GetEnvironmentVariableA("WINEHOMEDIR", home, MAX_PATH) ? home : "";
    if (homeThroughZ.rfind("\\??\\", 0) == 0)
        homeThroughZ.erase(0, 4);
    if (homeThroughZ.empty() || FolderIdentity(desktop) != FolderIdentity(homeThroughZ))
        GTEST_SKIP() << "the desktop folder is no link to the home folder here";
    std::string name = "pvx-link-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64());
    std::string folder = std::string(desktop) + "\\" + name;
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    std::string path = folder + "\\linked.txt";
    { std::ofstream(path, std::ios::binary) << "linked"; }
    TPvxFileCtrl file(nullptr);
    DialogAnswerer answer("", "Yes");
    bool moved = file.Move(path, homeThroughZ + "\\" + name);
    answer.Stop();
    std::string left = ReadAll(path);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    EXPECT_FALSE(moved);
    EXPECT_FALSE(answer.Result().seen);
    EXPECT_EQ(left, "linked");
}

TEST_F(ShellOperationTest, MovingIntoTheFoldersOwnFolderFails)
{
    std::string path = dir.WriteFile("stay.txt", "stay");
    DialogAnswerer answer("", "OK");
    EXPECT_FALSE(file.Move(path, dir.Path()));
    answer.Stop();
    EXPECT_EQ(ReadAll(path), "stay");
}

// Runs this test program again with XDG_DATA_HOME naming a folder that has no
// trash yet, as on a fresh account, and the child filter given.
DWORD RunChild(const std::string& dataHomeUnix, const std::string& filter, const std::string& target)
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = "\"" + std::string(exe) + "\" --gtest_filter=" + filter;
    SetEnvironmentVariableA("XDG_DATA_HOME", dataHomeUnix.c_str());
    SetEnvironmentVariableA("PVX_CHILD_TARGET", target.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process);
    SetEnvironmentVariableA("XDG_DATA_HOME", nullptr);
    SetEnvironmentVariableA("PVX_CHILD_TARGET", nullptr);
    if (!started)
        return DWORD(-1);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::string UnixPathOf(const std::string& windowsPath)
{
    using Convert = char* (*)(const WCHAR*);
    auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert)
        return {};
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = convert(wide.c_str());
    std::string result = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

TEST_F(ShellOperationTest, OnAFreshAccountWithoutATrashDeleteStillKeepsTheFile)
{
    if (!RunningUnderWine())
        GTEST_SKIP() << "the desktop trash exists only under Wine";
    std::string dataHome = dir.PathOf("fresh-data-home");
    CreateDirectoryA(dataHome.c_str(), nullptr);
    std::string victim = dir.WriteFile("fresh-account.txt", "precious");
    ASSERT_FALSE(Exists(dataHome + "\\Trash"));
    DWORD code = RunChild(UnixPathOf(dataHome), "ShellOperationChild.DeleteTarget", victim);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(Exists(victim));
    EXPECT_EQ(ReadAll(dataHome + "\\Trash\\files\\fresh-account.txt"), "precious")
        << "the file must be in the trash, not gone for good";
}

// The child's half: deletes the file it was given, answering the shell's question.
TEST(ShellOperationChild, DeleteTarget)
{
    char target[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("PVX_CHILD_TARGET", target, MAX_PATH))
        GTEST_SKIP() << "runs only as the child of the fresh-account test";
    TPvxFileCtrl file(nullptr);
    DialogAnswerer answer(DeleteConfirmation, "Yes");
    EXPECT_TRUE(file.Delete(target));
}

}  // namespace
