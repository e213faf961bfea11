// Speed of FileCrc32 on a large file whose bytes are in the page cache, and
// of the same checksum read in blocks of other sizes (the choice FileCrc32
// made). The Compare command as a whole is measured through the window by
// CompareWindowBench.
// Usage: pvx_filecrc32_bench FILE
// Prints "name value" lines for scripts/bench.sh.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Crc32.h"
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: pvx_filecrc32_bench FILE\n");
        return 2;
    }
    const char* path = argv[1];
    const double gigabytes = double(SizeOf(path)) / 1e9;
    try {
        // Other programs share the CPU; the best of several rounds is the
        // least disturbed one.
        std::uint32_t crc = FileCrc32(path);
        const double crcSeconds = Best(5, [&] { crc = FileCrc32(path); });
        std::printf("file_bytes %llu\n", static_cast<unsigned long long>(SizeOf(path)));
        std::printf("filecrc32_crc %08x\n", crc);
        std::printf("filecrc32_gbps %.2f\n", gigabytes / crcSeconds);
        for (DWORD readSize : {DWORD(32768), DWORD(1) << 20})
            std::printf("reads_of_%lu_gbps %.2f\n", static_cast<unsigned long>(readSize),
                        gigabytes / Best(5, [&] { ChecksumInReadsOf(path, readSize); }));
    } catch (const Exception& e) {
        std::fprintf(stderr, "error: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
