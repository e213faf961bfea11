#pragma once
// Constants of the carry-less multiply folding shared by the PCLMULQDQ and
// VPCLMULQDQ methods, derived from the polynomial at compile time.
//
// Sixteen message bytes loaded little-endian form a 128-bit value whose bit i
// is the coefficient of x^(127-i) (bit 0 of byte 0 is the first message bit).
// Each 64-bit half q then has bit i for x^(63-i). Folding a chunk C a distance
// of d bits forward onto a later chunk D keeps the checksum of the message:
//   D' = D + Low(C) * (x^(64+d) mod P) + High(C) * (x^d mod P),
// where Low is the first half. A constant K = x^e mod P is stored with bit j
// for x^(64-j), so that a 64x64 carry-less product lands with bit n for
// x^(127-n), like D. x^0 has no bit there, so K is stored as x * (x^(e-1) mod P):
// degrees 1..32, bits 63..32.

#include <cstdint>

namespace crc32fold {

inline constexpr std::uint64_t Polynomial = 0x104C11DB7;  // with its x^32 term

// x^n mod P, bit k for x^k.
constexpr std::uint32_t XPowModP(unsigned n)
{
    std::uint64_t r = 1;
    for (unsigned i = 0; i < n; ++i) {
        r <<= 1;
        if (r & (std::uint64_t(1) << 32))
            r ^= Polynomial;
    }
    return static_cast<std::uint32_t>(r);
}

constexpr std::uint32_t Reflect32(std::uint32_t v)
{
    std::uint32_t r = 0;
    for (int i = 0; i < 32; ++i)
        r |= ((v >> i) & 1u) << (31 - i);
    return r;
}

// x^e mod P in the folding layout described above.
constexpr std::uint64_t FoldConstant(unsigned e)
{
    return std::uint64_t(Reflect32(XPowModP(e - 1))) << 32;
}

// The pair of multipliers that folds a 128-bit chunk `bits` forward:
// `forLow` multiplies the first (low) half, `forHigh` the second.
struct FoldPair {
    std::uint64_t forLow;
    std::uint64_t forHigh;
};

constexpr FoldPair FoldBy(unsigned bits)
{
    return {FoldConstant(64 + bits), FoldConstant(bits)};
}

}  // namespace crc32fold
