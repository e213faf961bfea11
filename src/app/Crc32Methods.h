#pragma once
// The individual CRC-32 methods behind Crc32Block, for tests and benchmarks.
// Each takes and returns a running value (not complemented) like Crc32Block.

#include <array>
#include <cstddef>
#include <cstdint>

enum class Crc32Method {
    Bytewise,  // one table look-up per byte
    Slicing8,  // eight tables, eight bytes per step; the portable fallback
    Pclmul,    // carry-less multiply folding, 16 bytes per lane (PCLMULQDQ, SSE4.1)
    Vpclmul,   // the same folding over 64-byte AVX-512 registers (VPCLMULQDQ)
};

inline constexpr std::array<Crc32Method, 4> AllCrc32Methods = {
    Crc32Method::Bytewise, Crc32Method::Slicing8, Crc32Method::Pclmul, Crc32Method::Vpclmul};

const char* Crc32MethodName(Crc32Method method);
bool Crc32MethodSupported(Crc32Method method);
// The method Crc32Block uses on this CPU.
Crc32Method Crc32FastestMethod();
// Runs one method; it must be supported by the CPU.
std::uint32_t Crc32BlockWith(Crc32Method method, std::uint32_t running,
                             const void* data, std::size_t length);

// The 256-entry table: entry i is the CRC-32 remainder of the byte i.
extern const std::array<std::uint32_t, 256> Crc32Table;

std::uint32_t Crc32Bytewise(std::uint32_t running, const std::uint8_t* data, std::size_t length);
std::uint32_t Crc32Slicing8(std::uint32_t running, const std::uint8_t* data, std::size_t length);
std::uint32_t Crc32Pclmul(std::uint32_t running, const std::uint8_t* data, std::size_t length);
std::uint32_t Crc32Vpclmul(std::uint32_t running, const std::uint8_t* data, std::size_t length);
