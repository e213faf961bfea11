#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "app/FileCompare.h"
#include "app/ComparedFile.h"
#include "core/Exceptions.h"
#include "support/WinTestHelpers.h"
#include "toolkit/SysUtils.h"

namespace {

std::string Body(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 31 + (i >> 9));
    return bytes;
}

std::string OpenErrorOf(const std::string& path1, const std::string& path2)
{
    try {
        FilesHaveEqualContents(path1, path2);
    } catch (const EFOpenError& e) {
        return e.Message();
    }
    return "no error";
}

// Holds a file open for writing, sharing it with readers only, as another
// program locking it for writing does; a reader that denies writers cannot join.
class WriterHold {
public:
    explicit WriterHold(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    WriterHold(const WriterHold&) = delete;
    WriterHold& operator=(const WriterHold&) = delete;
    ~WriterHold() { CloseHandle(handle_); }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// Under Wine the test runs in a Linux process, which can shrink or remove a
// file whatever its Windows share modes say, as any native program can.
bool RunningUnderWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

std::string UnixPathOf(const std::string& path)
{
    using UnixName = char*(CDECL*)(const WCHAR*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::wstring wide(path.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    char* name = unixName ? unixName(wide.c_str()) : nullptr;
    std::string result = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

long LinuxSyscall(long number, const std::string& unixPath, long argument)
{
    long result;
    asm volatile("syscall"
                 : "=a"(result)
                 : "a"(number), "D"(unixPath.c_str()), "S"(argument)
                 : "rcx", "r11", "memory");
    return result;
}

constexpr long LinuxTruncate = 76;
constexpr long LinuxUnlink = 87;

}  // namespace

TEST(FilesHaveEqualContents, EqualFilesUnderOtherNames)
{
    TempDir dir;
    const std::string bytes = Body(300000);
    EXPECT_TRUE(FilesHaveEqualContents(dir.WriteFile("one.dat", bytes),
                                       dir.WriteFile("two.other", bytes)));
}

TEST(FilesHaveEqualContents, EqualSizesDifferingInTheFirstOrLastByte)
{
    TempDir dir;
    const std::string bytes = Body(70001);
    const std::string a = dir.WriteFile("a.bin", bytes);
    std::string changed = bytes;
    changed.back() ^= 1;
    EXPECT_FALSE(FilesHaveEqualContents(a, dir.WriteFile("last.bin", changed)));
    changed = bytes;
    changed.front() ^= 0x80;
    EXPECT_FALSE(FilesHaveEqualContents(a, dir.WriteFile("first.bin", changed)));
}

TEST(FilesHaveEqualContents, DifferentSizesWhateverTheirCommonPart)
{
    TempDir dir;
    EXPECT_FALSE(FilesHaveEqualContents(dir.WriteFile("a.bin", "abc"), dir.WriteFile("b.bin", "abcd")));
    EXPECT_FALSE(FilesHaveEqualContents(dir.WriteFile("e.bin", ""), dir.WriteFile("x.bin", "x")));
}

TEST(FilesHaveEqualContents, SizesDifferingOnlyAbove32Bits)
{
    // 4 GiB + 3 bytes against 3 bytes: equal in their low 32 bits. The large
    // file is sparse, and unequal sizes are decided without reading bytes.
    TempDir dir;
    const std::string small = dir.WriteFile("small.bin", "abc");
    const std::string large = dir.WriteSparseFile("large.bin", (std::uint64_t(1) << 32) + 3, "abc");
    ASSERT_FALSE(large.empty());
    EXPECT_FALSE(FilesHaveEqualContents(large, small));
    EXPECT_FALSE(FilesHaveEqualContents(small, large));
}

TEST(FilesHaveEqualContents, TwoEmptyFilesAreEqual)
{
    TempDir dir;
    EXPECT_TRUE(FilesHaveEqualContents(dir.WriteFile("a.bin", ""), dir.WriteFile("b.bin", "")));
}

TEST(FilesHaveEqualContents, TheSamePathTwice)
{
    TempDir dir;
    const std::string a = dir.WriteFile("a.bin", Body(5000));
    EXPECT_TRUE(FilesHaveEqualContents(a, a));
}

TEST(FilesHaveEqualContents, AFileOpenForWritingCannotBeOpened)
{
    TempDir dir;
    const std::string a = dir.WriteFile("locked.bin", "abc");
    const std::string b = dir.WriteFile("b.bin", "abc");
    WriterHold hold(b);
    ASSERT_TRUE(hold.Held());
    const std::string message = OpenErrorOf(a, b);
    const std::string head = "Cannot open file \"" + b + "\". ";
    ASSERT_EQ(message.rfind(head, 0), 0u) << message;
    const std::string reason = message.substr(head.size());
    ASSERT_FALSE(reason.empty()) << "the system's reason is missing";
    EXPECT_EQ(std::string(" \t\r\n.").find(reason.back()), std::string::npos)
        << "trailing full stop or white space: [" << reason << "]";
}

// What is no file stored on a disk is refused before anything is read from
// it: a read of a pipe waits for a writer that never comes, NUL has no bytes
// of its own, and a /proc file under Wine tells a size of 0 yet gives other
// bytes at every read.
TEST(FilesHaveEqualContents, PipesDevicesAndMadeUpFilesAreRefused)
{
    TempDir dir;
    const std::string a = dir.WriteFile("a.bin", "abc");
    IdlePipe pipe;
    for (const std::string& other : {pipe.Path(), std::string("NUL"), std::string("Z:\\proc\\self\\status")}) {
        for (bool first : {true, false}) {
            const std::string message = first ? OpenErrorOf(other, a) : OpenErrorOf(a, other);
            EXPECT_EQ(message.rfind("Cannot open file \"", 0), 0u) << message;
            EXPECT_NE(message.find("\". It is not a file stored on a disk"), std::string::npos) << message;
        }
    }
    EXPECT_EQ(OpenErrorOf("Z:\\proc\\self\\status", "Z:\\proc\\self\\status").find("no error"), std::string::npos);
}

TEST(FilesHaveEqualContents, OpenErrorsNameTheFullPath)
{
    TempDir dir;
    dir.WriteFile("held.bin", "abc");
    WriterHold hold(dir.PathOf("held.bin"));
    std::string message;
    {
        TStartFolderOverride start(dir.Path());
        message = OpenErrorOf("held.bin", "held.bin");
    }
    EXPECT_EQ(message.rfind("Cannot open file \"" + dir.PathOf("held.bin") + "\". ", 0), 0u) << message;
}

TEST(FilesHaveEqualContents, AFileRemovedBeforeTheComparison)
{
    TempDir dir;
    const std::string a = dir.WriteFile("a.bin", "abc");
    const std::string gone = dir.PathOf("gone.bin");
    const std::string message = OpenErrorOf(a, gone);
    EXPECT_EQ(message.rfind("Cannot open file \"" + gone + "\". ", 0), 0u) << message;
    EXPECT_GT(message.size(), ("Cannot open file \"" + gone + "\". ").size());
}

TEST(FilesHaveEqualContents, ALongPathIsNamedWhole)
{
    // Past MAX_PATH: the full path must not be cut at the usual buffer size.
    TempDir dir;
    const std::string name = std::string(200, 'n') + "\\" + std::string(150, 'm') + ".bin";
    const std::string message = OpenErrorOf(dir.PathOf(name), dir.PathOf(name));
    EXPECT_EQ(message.rfind("Cannot open file \"" + dir.PathOf(name) + "\". ", 0), 0u) << message;
}

TEST(ComparedFile, DeniesWritersAndAdmitsReadersWhileHeld)
{
    TempDir dir;
    const std::string path = dir.WriteFile("held.bin", "abc");
    const ComparedFile file = ComparedFile::Open(path);
    EXPECT_EQ(file.Size(), 3u);
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    if (writer != INVALID_HANDLE_VALUE)
        CloseHandle(writer);
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    CloseHandle(reader);
}

TEST(ComparedFile, ReleasesTheFileWhenDone)
{
    TempDir dir;
    const std::string a = dir.WriteFile("a.bin", Body(10000));
    EXPECT_TRUE(FilesHaveEqualContents(a, a));
    const std::string b = dir.WriteFile("b.bin", Body(10001));
    EXPECT_FALSE(FilesHaveEqualContents(a, b));
    EXPECT_TRUE(DeleteFileA(a.c_str())) << "a handle was left open";
    EXPECT_TRUE(DeleteFileA(b.c_str())) << "a handle was left open";
}

TEST(ContentsEqual, BlocksAroundTheBlockSize)
{
    TempDir dir;
    for (std::size_t size : {CompareBlockSize - 1, CompareBlockSize, CompareBlockSize + 1,
                             3 * CompareBlockSize + 4097}) {
        const std::string bytes = Body(size);
        std::string changed = bytes;
        changed[size - 1] ^= 0x10;
        const std::string a = dir.WriteFile("a.bin", bytes);
        EXPECT_TRUE(FilesHaveEqualContents(a, dir.WriteFile("same.bin", bytes))) << size;
        EXPECT_FALSE(FilesHaveEqualContents(a, dir.WriteFile("last.bin", changed))) << size;
        changed = bytes;
        changed[std::min(size, CompareBlockSize) - 1] ^= 0x10;  // the first block's last byte
        EXPECT_FALSE(FilesHaveEqualContents(a, dir.WriteFile("first.bin", changed))) << size;
    }
}

TEST(ContentsEqual, AFileShrunkWhileHeldIsAReadError)
{
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can shrink a file held this way";
    TempDir dir;
    const std::string bytes = Body(3 * CompareBlockSize);
    const std::string a = dir.WriteFile("a.bin", bytes);
    const std::string b = dir.WriteFile("b.bin", bytes);
    for (const bool shrunkFirst : {false, true}) {
        dir.WriteFile("b.bin", bytes);
        ComparedFile first = ComparedFile::Open(a);
        ComparedFile second = ComparedFile::Open(b);
        // Cut past the first block, so the comparison runs into the end.
        ASSERT_EQ(LinuxSyscall(LinuxTruncate, UnixPathOf(b), long(CompareBlockSize) + 4096), 0);
        if (shrunkFirst)
            EXPECT_THROW(ContentsEqual(second, first), EReadError);
        else
            EXPECT_THROW(ContentsEqual(first, second), EReadError);
    }
}

TEST(ContentsEqual, AFileShrunkWithinItsLastBlockIsAReadError)
{
    // The bytes cut off were zeros, like the other file's: only the short
    // read shows the loss.
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can shrink a file held this way";
    TempDir dir;
    const std::string bytes = Body(50000) + std::string(200, '\0');
    const std::string a = dir.WriteFile("a.bin", bytes);
    const std::string b = dir.WriteFile("b.bin", bytes);
    ComparedFile first = ComparedFile::Open(a);
    ComparedFile second = ComparedFile::Open(b);
    ASSERT_EQ(LinuxSyscall(LinuxTruncate, UnixPathOf(b), long(bytes.size()) - 100), 0);
    EXPECT_THROW(ContentsEqual(first, second), EReadError);
}

TEST(ContentsEqual, AFileShrunkToNothingWhileHeldIsAReadError)
{
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can shrink a file held this way";
    TempDir dir;
    const std::string a = dir.WriteFile("a.bin", Body(5000));
    ComparedFile first = ComparedFile::Open(a);
    ComparedFile second = ComparedFile::Open(a);
    ASSERT_EQ(LinuxSyscall(LinuxTruncate, UnixPathOf(a), 0), 0);
    EXPECT_THROW(ContentsEqual(first, second), EReadError);
}

TEST(ContentsEqual, AFileGrownWhileHeldIsAReadError)
{
    // The bytes compared were equal, but they are no longer the whole file.
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can grow a file held this way";
    TempDir dir;
    const std::string bytes = Body(2 * CompareBlockSize + 10);
    const std::string a = dir.WriteFile("a.bin", bytes);
    const std::string b = dir.WriteFile("b.bin", bytes);
    ComparedFile first = ComparedFile::Open(a);
    ComparedFile second = ComparedFile::Open(b);
    ASSERT_EQ(LinuxSyscall(LinuxTruncate, UnixPathOf(b), long(bytes.size()) + 1), 0);
    EXPECT_THROW(ContentsEqual(first, second), EReadError);
}

TEST(ContentsEqual, AFileRemovedWhileHeldStillComparesWhatWasOpened)
{
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can remove a file held this way";
    TempDir dir;
    const std::string bytes = Body(3 * CompareBlockSize);
    const std::string a = dir.WriteFile("a.bin", bytes);
    std::string changed = bytes;
    changed[2 * CompareBlockSize + 5] ^= 4;
    const std::string b = dir.WriteFile("b.bin", changed);
    ComparedFile first = ComparedFile::Open(a);
    ComparedFile second = ComparedFile::Open(b);
    ComparedFile again = ComparedFile::Open(b);
    ComparedFile third = ComparedFile::Open(b);
    ASSERT_EQ(LinuxSyscall(LinuxUnlink, UnixPathOf(b), 0), 0);
    EXPECT_FALSE(ContentsEqual(first, second));
    EXPECT_TRUE(ContentsEqual(again, third));
}
