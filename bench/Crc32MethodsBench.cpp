// Speed of each CRC-32 method this CPU has, over a span that stays in cache
// (as FileCrc32's read buffer does) and over one that comes from memory.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/Crc32Methods.h"

namespace {

using Clock = std::chrono::steady_clock;

// GB/s of the best of several rounds of at least 50 ms each.
double Speed(Crc32Method method, const std::vector<std::uint8_t>& bytes)
{
    double best = 0;
    std::uint32_t sink = 0;
    for (int round = 0; round < 5; ++round) {
        std::size_t done = 0;
        const auto start = Clock::now();
        std::chrono::duration<double> elapsed{};
        do {
            sink = Crc32BlockWith(method, sink, bytes.data(), bytes.size());
            done += bytes.size();
            elapsed = Clock::now() - start;
        } while (elapsed.count() < 0.05);
        best = std::max(best, done / elapsed.count() / 1e9);
    }
    if (sink == 0x12345678)
        std::puts("");  // keeps the work from being optimised away
    return best;
}

std::vector<std::uint8_t> Filled(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + (i >> 11));
    return bytes;
}

}  // namespace

int main()
{
    const auto inCache = Filled(std::size_t(1) << 20);
    const auto fromMemory = Filled(std::size_t(256) << 20);
    std::printf("%-14s %16s %18s\n", "crc32 method", "1 MiB (GB/s)", "256 MiB (GB/s)");
    for (Crc32Method method : AllCrc32Methods) {
        if (!Crc32MethodSupported(method)) {
            std::printf("%-14s %16s %18s\n", Crc32MethodName(method), "-", "-");
            continue;
        }
        std::printf("%-14s %16.2f %18.2f\n", Crc32MethodName(method),
                    Speed(method, inCache), Speed(method, fromMemory));
    }
    std::printf("dispatched     %s\n", Crc32MethodName(Crc32FastestMethod()));
    return 0;
}
