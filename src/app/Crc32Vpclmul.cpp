// CRC-32 by carry-less multiply folding on 512-bit registers: four 128-bit
// lanes per register, four registers per step (see Crc32Fold.h). Only this
// routine is compiled for AVX-512; Crc32Block calls it only on a CPU that has it.

#include <immintrin.h>

#include "app/Crc32Fold.h"
#include "app/Crc32Methods.h"

#define PVX_VPCLMUL_TARGET \
    __attribute__((target("avx512f,avx512vl,vpclmulqdq,pclmul,sse4.1")))

namespace {

using crc32fold::FoldBy;
using crc32fold::FoldPair;

constexpr std::size_t Registers = 4;
constexpr std::size_t RegisterBytes = 64;
constexpr std::size_t StrideBytes = Registers * RegisterBytes;
constexpr std::size_t LaneBytes = 16;

PVX_VPCLMUL_TARGET inline __m128i Multipliers(FoldPair pair)
{
    return _mm_set_epi64x(static_cast<long long>(pair.forHigh),
                          static_cast<long long>(pair.forLow));
}

PVX_VPCLMUL_TARGET inline __m512i Multipliers512(FoldPair pair)
{
    const auto low = static_cast<long long>(pair.forLow);
    const auto high = static_cast<long long>(pair.forHigh);
    return _mm512_set_epi64(high, low, high, low, high, low, high, low);
}

// Every 128-bit lane of `chunk` carried `k`'s distance forward, added to `onto`.
PVX_VPCLMUL_TARGET inline __m512i Fold(__m512i chunk, __m512i k, __m512i onto)
{
    const __m512i low = _mm512_clmulepi64_epi128(chunk, k, 0x00);
    const __m512i high = _mm512_clmulepi64_epi128(chunk, k, 0x11);
    return _mm512_ternarylogic_epi64(low, high, onto, 0x96);  // three-way XOR
}

PVX_VPCLMUL_TARGET inline __m128i Fold(__m128i chunk, __m128i k, __m128i onto)
{
    const __m128i low = _mm_clmulepi64_si128(chunk, k, 0x00);
    const __m128i high = _mm_clmulepi64_si128(chunk, k, 0x11);
    return _mm_ternarylogic_epi64(low, high, onto, 0x96);
}

PVX_VPCLMUL_TARGET inline __m512i Load(const std::uint8_t* p)
{
    return _mm512_loadu_si512(p);
}

// The four lanes of one register folded onto its last lane. The lanes go
// through memory: the lane-extract intrinsic trips a false "may be used
// uninitialized" warning in GCC 12.
PVX_VPCLMUL_TARGET inline __m128i FoldLanes(__m512i v)
{
    std::uint8_t bytes[RegisterBytes];
    _mm512_storeu_si512(bytes, v);
    const __m128i byLane = Multipliers(FoldBy(8 * LaneBytes));
    __m128i folded = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    for (std::size_t i = LaneBytes; i < RegisterBytes; i += LaneBytes)
        folded = Fold(folded, byLane, _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i)));
    return folded;
}

}  // namespace

PVX_VPCLMUL_TARGET
std::uint32_t Crc32Vpclmul(std::uint32_t running, const std::uint8_t* data, std::size_t length)
{
    if (length < 2 * StrideBytes)
        return Crc32Pclmul(running, data, length);

    // XORing the running value into the first four bytes lets the folding
    // start from a zero remainder.
    __m512i reg[Registers];
    for (std::size_t i = 0; i < Registers; ++i)
        reg[i] = Load(data + i * RegisterBytes);
    reg[0] = _mm512_xor_si512(
        reg[0], _mm512_zextsi128_si512(_mm_cvtsi32_si128(static_cast<int>(running))));
    data += StrideBytes;
    length -= StrideBytes;

    const __m512i byStride = Multipliers512(FoldBy(8 * StrideBytes));
    for (; length >= StrideBytes; data += StrideBytes, length -= StrideBytes)
        for (std::size_t i = 0; i < Registers; ++i)
            reg[i] = Fold(reg[i], byStride, Load(data + i * RegisterBytes));

    const __m512i byRegister = Multipliers512(FoldBy(8 * RegisterBytes));
    __m512i folded = reg[0];
    for (std::size_t i = 1; i < Registers; ++i)
        folded = Fold(folded, byRegister, reg[i]);
    for (; length >= RegisterBytes; data += RegisterBytes, length -= RegisterBytes)
        folded = Fold(folded, byRegister, Load(data));

    __m128i lane = FoldLanes(folded);
    const __m128i byLane = Multipliers(FoldBy(8 * LaneBytes));
    for (; length >= LaneBytes; data += LaneBytes, length -= LaneBytes)
        lane = Fold(lane, byLane, _mm_loadu_si128(reinterpret_cast<const __m128i*>(data)));

    // The folded 16 bytes stand for everything before them; their remainder
    // from zero is the running value there.
    std::uint8_t rest[LaneBytes];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(rest), lane);
    return Crc32Slicing8(Crc32Slicing8(0, rest, LaneBytes), data, length);
}
