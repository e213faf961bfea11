#include "app/Crc32.h"

#include <bit>
#include <cstring>

#include "app/Crc32Methods.h"

static_assert(std::endian::native == std::endian::little,
              "the slicing and folding methods load words little-endian");

std::array<std::uint8_t, CrcBufferSize> CrcBuffer;

namespace {

constexpr std::uint32_t ReversedPolynomial = 0xEDB88320;

using SliceTables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr SliceTables MakeSliceTables()
{
    SliceTables t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? (c >> 1) ^ ReversedPolynomial : c >> 1;
        t[0][i] = c;
    }
    // t[k][i]: the byte i followed by k zero bytes.
    for (std::size_t k = 1; k < t.size(); ++k)
        for (std::size_t i = 0; i < 256; ++i)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    return t;
}

constexpr SliceTables Slices = MakeSliceTables();

std::uint32_t Load32(const std::uint8_t* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

using MethodFunction = std::uint32_t (*)(std::uint32_t, const std::uint8_t*, std::size_t);

MethodFunction FunctionOf(Crc32Method method)
{
    switch (method) {
    case Crc32Method::Bytewise: return Crc32Bytewise;
    case Crc32Method::Slicing8: return Crc32Slicing8;
    case Crc32Method::Pclmul: return Crc32Pclmul;
    case Crc32Method::Vpclmul: return Crc32Vpclmul;
    }
    return Crc32Slicing8;
}

}  // namespace

const std::array<std::uint32_t, 256> Crc32Table = Slices[0];

std::uint32_t Crc32Bytewise(std::uint32_t running, const std::uint8_t* data, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        running = (running >> 8) ^ Slices[0][(running ^ data[i]) & 0xFF];
    return running;
}

std::uint32_t Crc32Slicing8(std::uint32_t running, const std::uint8_t* data, std::size_t length)
{
    for (; length >= 8; data += 8, length -= 8) {
        const std::uint32_t lo = Load32(data) ^ running;
        const std::uint32_t hi = Load32(data + 4);
        running = Slices[7][lo & 0xFF] ^ Slices[6][(lo >> 8) & 0xFF]
                ^ Slices[5][(lo >> 16) & 0xFF] ^ Slices[4][lo >> 24]
                ^ Slices[3][hi & 0xFF] ^ Slices[2][(hi >> 8) & 0xFF]
                ^ Slices[1][(hi >> 16) & 0xFF] ^ Slices[0][hi >> 24];
    }
    return Crc32Bytewise(running, data, length);
}

const char* Crc32MethodName(Crc32Method method)
{
    switch (method) {
    case Crc32Method::Bytewise: return "bytewise";
    case Crc32Method::Slicing8: return "slicing-by-8";
    case Crc32Method::Pclmul: return "pclmul";
    case Crc32Method::Vpclmul: return "vpclmul";
    }
    return "?";
}

bool Crc32MethodSupported(Crc32Method method)
{
    __builtin_cpu_init();
    switch (method) {
    case Crc32Method::Bytewise:
    case Crc32Method::Slicing8:
        return true;
    case Crc32Method::Pclmul:
        return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
    case Crc32Method::Vpclmul:
        // The 128-bit steps of this method may use EVEX encodings, hence VL.
        return Crc32MethodSupported(Crc32Method::Pclmul)
            && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl")
            && __builtin_cpu_supports("vpclmulqdq");
    }
    return false;
}

Crc32Method Crc32FastestMethod()
{
    for (Crc32Method m : {Crc32Method::Vpclmul, Crc32Method::Pclmul})
        if (Crc32MethodSupported(m))
            return m;
    return Crc32Method::Slicing8;
}

std::uint32_t Crc32BlockWith(Crc32Method method, std::uint32_t running,
                             const void* data, std::size_t length)
{
    return FunctionOf(method)(running, static_cast<const std::uint8_t*>(data), length);
}

std::uint32_t Crc32Block(std::uint32_t running, const void* data, std::size_t length)
{
    static const MethodFunction fastest = FunctionOf(Crc32FastestMethod());
    return fastest(running, static_cast<const std::uint8_t*>(data), length);
}

std::uint32_t Crc32Update(std::uint32_t running, const void* block, std::uint16_t count)
{
    if (count == 0)
        return running;
    return Crc32Block(running, block, count);
}
