#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/FileCompare.h"
#include "app/WholeFileView.h"
#include "core/Exceptions.h"
#include "support/WinTestHelpers.h"

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
    const std::string large = dir.WriteFile("large.bin", "");
    HANDLE file = CreateFileA(large.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = (std::int64_t(1) << 32) + 3;
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_TRUE(sized);
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
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.Path().c_str()));
    const std::string message = OpenErrorOf("held.bin", "held.bin");
    SetCurrentDirectoryA(previous);
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

TEST(WholeFileView, DeniesWritersAndAdmitsReadersWhileHeld)
{
    TempDir dir;
    const std::string path = dir.WriteFile("held.bin", "abc");
    const WholeFileView view = WholeFileView::Open(path);
    EXPECT_EQ(view.Size(), 3u);
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

TEST(WholeFileView, ReleasesTheFileWhenDropped)
{
    TempDir dir;
    const std::string a = dir.WriteFile("a.bin", Body(10000));
    EXPECT_TRUE(FilesHaveEqualContents(a, a));
    EXPECT_TRUE(DeleteFileA(a.c_str())) << "a handle or view was left open";
}

TEST(WholeFileView, AFileShrunkWhileHeldIsAReadError)
{
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can shrink a file held this way";
    TempDir dir;
    const std::string bytes = Body(1 << 20);
    const std::string a = dir.WriteFile("a.bin", bytes);
    const std::string b = dir.WriteFile("b.bin", bytes);
    const WholeFileView first = WholeFileView::Open(a);
    const WholeFileView second = WholeFileView::Open(b);
    // Cut at a page boundary, so the comparison runs into a faulting page.
    ASSERT_EQ(LinuxSyscall(LinuxTruncate, UnixPathOf(b), 24 * 4096), 0);
    EXPECT_THROW(ViewsHaveEqualContents(first, second), EReadError);
    EXPECT_THROW(ViewsHaveEqualContents(second, first), EReadError);
    // The handler is gone and the views still release cleanly.
    EXPECT_TRUE(ViewsHaveEqualContents(first, first));
}

TEST(WholeFileView, AFileShrunkWithinItsLastPageIsAReadError)
{
    // The bytes cut off read as zeros in the view, and the other file has
    // zeros there too: only the size shows the loss.
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can shrink a file held this way";
    TempDir dir;
    const std::string bytes = Body(50000) + std::string(200, '\0');
    const std::string a = dir.WriteFile("a.bin", bytes);
    const std::string b = dir.WriteFile("b.bin", bytes);
    const WholeFileView first = WholeFileView::Open(a);
    const WholeFileView second = WholeFileView::Open(b);
    ASSERT_EQ(LinuxSyscall(LinuxTruncate, UnixPathOf(b), long(bytes.size()) - 100), 0);
    EXPECT_THROW(ViewsHaveEqualContents(first, second), EReadError);
}

TEST(WholeFileView, AFileShrunkToNothingWhileHeldIsAReadError)
{
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can shrink a file held this way";
    TempDir dir;
    const std::string a = dir.WriteFile("a.bin", Body(5000));
    const WholeFileView first = WholeFileView::Open(a);
    const WholeFileView second = WholeFileView::Open(a);
    ASSERT_EQ(LinuxSyscall(LinuxTruncate, UnixPathOf(a), 0), 0);
    EXPECT_THROW(ViewsHaveEqualContents(first, second), EReadError);
}

TEST(WholeFileView, AFileRemovedWhileHeldStillComparesWhatWasOpened)
{
    if (!RunningUnderWine())
        GTEST_SKIP() << "only a native program under Wine can remove a file held this way";
    TempDir dir;
    const std::string bytes = Body(200000);
    const std::string a = dir.WriteFile("a.bin", bytes);
    std::string changed = bytes;
    changed[150000] ^= 4;
    const std::string b = dir.WriteFile("b.bin", changed);
    const WholeFileView first = WholeFileView::Open(a);
    const WholeFileView second = WholeFileView::Open(b);
    ASSERT_EQ(LinuxSyscall(LinuxUnlink, UnixPathOf(b), 0), 0);
    EXPECT_FALSE(ViewsHaveEqualContents(first, second));
    EXPECT_TRUE(ViewsHaveEqualContents(second, second));
}
