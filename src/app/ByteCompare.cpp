#include "app/ByteCompare.h"

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr int AllBytesEqual = 0xFFFF;

__m128i Load(const std::uint8_t* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

__m128i EqualMask(const std::uint8_t* a, const std::uint8_t* b)
{
    return _mm_cmpeq_epi8(Load(a), Load(b));
}

}  // namespace

bool BytesEqual(const void* first, const void* second, std::size_t size)
{
    // SSE2 is part of every x86-64 CPU; the comparison is bound by the reads
    // that fill the spans, so wider registers do not pay.
    const auto* a = static_cast<const std::uint8_t*>(first);
    const auto* b = static_cast<const std::uint8_t*>(second);
    for (; size >= 64; a += 64, b += 64, size -= 64) {
        const __m128i low = _mm_and_si128(EqualMask(a, b), EqualMask(a + 16, b + 16));
        const __m128i high = _mm_and_si128(EqualMask(a + 32, b + 32), EqualMask(a + 48, b + 48));
        if (_mm_movemask_epi8(_mm_and_si128(low, high)) != AllBytesEqual)
            return false;
    }
    for (; size >= 16; a += 16, b += 16, size -= 16)
        if (_mm_movemask_epi8(EqualMask(a, b)) != AllBytesEqual)
            return false;
    return size == 0 || std::memcmp(a, b, size) == 0;
}
