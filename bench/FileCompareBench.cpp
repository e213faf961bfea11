// Speed of the Compare command's file work on a pair of large files whose
// bytes are in the page cache: FileCrc32, and the whole path the command runs
// on identical files (FilesHaveEqualContents, then FileCrc32 of each).
// Usage: pvx_compare_bench FILE1 FILE2
// Prints "name value" lines for scripts/bench.sh.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Crc32.h"
#include "app/FileCompare.h"
#include "core/Exceptions.h"
#include "toolkit/Handles.h"

namespace {

double Seconds(const std::function<void()>& work)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double Best(int rounds, const std::function<void()>& work)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i)
        best = std::min(best, Seconds(work));
    return best;
}

std::uint64_t SizeOf(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return 0;
    return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The checksum read in blocks of `readSize`: the choice FileCrc32 made.
std::uint32_t ChecksumInReadsOf(const char* path, DWORD readSize)
{
    std::vector<std::uint8_t> buffer(readSize);
    UniqueFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    std::uint32_t running = 0xFFFFFFFF;
    DWORD count = 0;
    while (file && ReadFile(file.Get(), buffer.data(), readSize, &count, nullptr) && count > 0)
        running = Crc32Block(running, buffer.data(), count);
    return ~running;
}

// The other way to hold a file whole: read into a freshly allocated buffer.
void ReadIntoFreshBuffer(const char* path)
{
    const std::uint64_t size = SizeOf(path);
    UniqueFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    auto* buffer = static_cast<std::uint8_t*>(
        VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    for (std::uint64_t done = 0; buffer && done < size;) {
        DWORD count = 0;
        const auto ask = static_cast<DWORD>(std::min<std::uint64_t>(size - done, 1u << 30));
        if (!ReadFile(file.Get(), buffer + done, ask, &count, nullptr) || count == 0)
            break;
        done += count;
    }
    VirtualFree(buffer, 0, MEM_RELEASE);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pvx_compare_bench FILE1 FILE2\n");
        return 2;
    }
    const char* path1 = argv[1];
    const char* path2 = argv[2];
    const double gigabytes = double(SizeOf(path1)) / 1e9;
    try {
        // Other programs share the CPU; the best of several rounds is the
        // least disturbed one.
        std::uint32_t crc = FileCrc32(path1);
        const double crcSeconds = Best(5, [&] { crc = FileCrc32(path1); });
        std::printf("file_bytes %llu\n", static_cast<unsigned long long>(SizeOf(path1)));
        std::printf("filecrc32_crc %08x\n", crc);
        std::printf("filecrc32_gbps %.2f\n", gigabytes / crcSeconds);
        for (DWORD readSize : {DWORD(32768), DWORD(1) << 20})
            std::printf("reads_of_%lu_gbps %.2f\n", static_cast<unsigned long>(readSize),
                        gigabytes / Best(5, [&] { ChecksumInReadsOf(path1, readSize); }));

        bool identical = false;
        const double pathSeconds = Best(5, [&] {
            identical = FilesHaveEqualContents(path1, path2) && FileCrc32(path1) == FileCrc32(path2);
        });
        std::printf("compare_path_identical %d\n", identical ? 1 : 0);
        std::printf("compare_path_seconds %.3f\n", pathSeconds);
        std::printf("contents_only_seconds %.3f\n",
                    Best(3, [&] { FilesHaveEqualContents(path1, path2); }));
        std::printf("read_into_fresh_buffer_seconds %.3f\n",
                    Seconds([&] { ReadIntoFreshBuffer(path1); }));
    } catch (const Exception& e) {
        std::fprintf(stderr, "error: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
