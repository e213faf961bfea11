// CRC-32 by carry-less multiply folding on 128-bit registers (see Crc32Fold.h).
// Only this routine is compiled for PCLMULQDQ; Crc32Block calls it only on a
// CPU that has it.

#include <immintrin.h>

#include "app/Crc32Fold.h"
#include "app/Crc32Methods.h"

#define PVX_PCLMUL_TARGET __attribute__((target("pclmul,sse4.1")))

namespace {

using crc32fold::FoldBy;
using crc32fold::FoldPair;

constexpr std::size_t Lanes = 4;
constexpr std::size_t LaneBytes = 16;
constexpr std::size_t StrideBytes = Lanes * LaneBytes;

PVX_PCLMUL_TARGET inline __m128i Multipliers(FoldPair pair)
{
    return _mm_set_epi64x(static_cast<long long>(pair.forHigh),
                          static_cast<long long>(pair.forLow));
}

// `chunk` carried `k`'s distance forward and added to `onto`.
PVX_PCLMUL_TARGET inline __m128i Fold(__m128i chunk, __m128i k, __m128i onto)
{
    const __m128i low = _mm_clmulepi64_si128(chunk, k, 0x00);
    const __m128i high = _mm_clmulepi64_si128(chunk, k, 0x11);
    return _mm_xor_si128(_mm_xor_si128(low, high), onto);
}

PVX_PCLMUL_TARGET inline __m128i Load(const std::uint8_t* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

}  // namespace

PVX_PCLMUL_TARGET
std::uint32_t Crc32Pclmul(std::uint32_t running, const std::uint8_t* data, std::size_t length)
{
    if (length < 2 * StrideBytes)
        return Crc32Slicing8(running, data, length);

    // XORing the running value into the first four bytes lets the folding
    // start from a zero remainder.
    __m128i lane[Lanes];
    for (std::size_t i = 0; i < Lanes; ++i)
        lane[i] = Load(data + i * LaneBytes);
    lane[0] = _mm_xor_si128(lane[0], _mm_cvtsi32_si128(static_cast<int>(running)));
    data += StrideBytes;
    length -= StrideBytes;

    const __m128i byStride = Multipliers(FoldBy(8 * StrideBytes));
    for (; length >= StrideBytes; data += StrideBytes, length -= StrideBytes)
        for (std::size_t i = 0; i < Lanes; ++i)
            lane[i] = Fold(lane[i], byStride, Load(data + i * LaneBytes));

    const __m128i byLane = Multipliers(FoldBy(8 * LaneBytes));
    __m128i folded = lane[0];
    for (std::size_t i = 1; i < Lanes; ++i)
        folded = Fold(folded, byLane, lane[i]);
    for (; length >= LaneBytes; data += LaneBytes, length -= LaneBytes)
        folded = Fold(folded, byLane, Load(data));

    // The folded 16 bytes stand for everything before them; their remainder
    // from zero is the running value there.
    std::uint8_t rest[LaneBytes];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(rest), folded);
    return Crc32Slicing8(Crc32Slicing8(0, rest, LaneBytes), data, length);
}
