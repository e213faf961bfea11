#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/Crc32.h"
#include "app/Crc32Methods.h"
#include "core/Exceptions.h"
#include "support/WinTestHelpers.h"

namespace {

std::string Bytes(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    return bytes;
}

std::uint32_t TableChecksum(const std::string& bytes)
{
    return ~Crc32Bytewise(0xFFFFFFFF, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                          bytes.size());
}

int IoErrorOf(const std::string& path)
{
    try {
        FileCrc32(path);
    } catch (const EInOutError& e) {
        return e.ErrorCode();
    }
    return 0;
}

}  // namespace

TEST(FileCrc32, EmptyFileIsZero)
{
    TempDir dir;
    EXPECT_EQ(FileCrc32(dir.WriteFile("empty.bin", "")), 0x00000000u);
}

TEST(FileCrc32, CheckValue)
{
    TempDir dir;
    EXPECT_EQ(FileCrc32(dir.WriteFile("check.txt", "123456789")), 0xCBF43926u);
}

TEST(FileCrc32, SizesAroundTheBlockAndBufferSizes)
{
    TempDir dir;
    for (std::size_t size : {std::size_t(32767), std::size_t(32768), std::size_t(32769),
                             CrcBufferSize, CrcBufferSize + 1, 3 * CrcBufferSize + 12345}) {
        const std::string bytes = Bytes(size);
        EXPECT_EQ(FileCrc32(dir.WriteFile("f.bin", bytes)), TableChecksum(bytes)) << size;
    }
}

TEST(FileCrc32, ShortFileAfterALongOneUsesOnlyItsOwnBytes)
{
    // The shared buffer still holds the long file's bytes behind the short one's.
    TempDir dir;
    FileCrc32(dir.WriteFile("long.bin", Bytes(100000)));
    EXPECT_EQ(FileCrc32(dir.WriteFile("short.bin", "abc")), TableChecksum("abc"));
}

TEST(FileCrc32, ReadsAFileThatAnotherProgramHoldsOpenForWriting)
{
    TempDir dir;
    const std::string path = dir.WriteFile("open.bin", "123456789");
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FileCrc32(path), 0xCBF43926u);
    CloseHandle(writer);
}

TEST(FileCrc32, LeavesTheFileClosed)
{
    TempDir dir;
    const std::string path = dir.WriteFile("closed.bin", "abc");
    FileCrc32(path);
    HANDLE exclusive = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE) << "the checksum left a handle open";
    CloseHandle(exclusive);
}

TEST(FileCrc32, PipesDevicesAndMadeUpFilesAreRefused)
{
    IdlePipe pipe;
    for (const std::string& path : {pipe.Path(), std::string("NUL"), std::string("Z:\\proc\\self\\status")}) {
        try {
            FileCrc32(path);
            ADD_FAILURE() << path << ": no error";
        } catch (const EFOpenError& e) {
            EXPECT_NE(e.Message().find("It is not a file stored on a disk"), std::string::npos) << e.Message();
        }
    }
    TempDir dir;
    std::string bytes = Bytes(100000);
    EXPECT_EQ(FileCrc32(dir.WriteFile("stored.bin", bytes)), TableChecksum(bytes))
        << "the check leaves the file read from its start";
}

TEST(FileCrc32, ReadsFilesNamedInAnyScriptAndPastTheOldPathLimit)
{
    TempDir dir;
    EXPECT_EQ(FileCrc32(dir.WriteFile("検査 Ωμέγα 😀.txt", "123456789")), 0xCBF43926u);
    dir.MakeFolder(std::string(200, 'f'));
    const std::string path = dir.WriteFile(std::string(200, 'f') + "\\" + std::string(80, 'g'), "123456789");
    ASSERT_GT(path.size(), 300u);
    EXPECT_EQ(FileCrc32(path), 0xCBF43926u);
}

TEST(FileCrc32, OpenFailuresRaiseTheSystemErrorNumber)
{
    TempDir dir;
    EXPECT_EQ(IoErrorOf(dir.PathOf("missing.bin")), 2);
    EXPECT_EQ(IoErrorOf(dir.PathOf("no folder\\missing.bin")), 3);
    EXPECT_EQ(IoErrorOf(dir.Path()), 5);  // a folder cannot be opened as a file
    try {
        FileCrc32(dir.PathOf("missing.bin"));
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File not found");
    }
}
