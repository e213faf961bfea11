// The BMP decoder over arbitrary bytes, with caps small enough that a
// declared size can never ask for much memory.

#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    BmpDecodeResult result = DecodeBmp(std::span<const uint8_t>(data, size), {.maxSide = 4096, .maxPixels = 1 << 22});
    if (result.Ok() == result.image.IsEmpty())
        __builtin_trap();  // a result is either a picture or a reason
    return 0;
}
