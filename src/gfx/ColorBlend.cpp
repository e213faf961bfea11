#include "gfx/ColorBlend.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t MixedChannel(int32_t c1, int32_t c2, int shift, double k)
{
    double a = double((uint32_t(c1) >> shift) & 0xFFu);
    double b = double((uint32_t(c2) >> shift) & 0xFFu);
    return uint32_t(std::clamp(std::lround(k * a + (1 - k) * b), 0L, 255L)) << shift;
}

}  // namespace

int32_t BlendColors(int32_t c1, int32_t c2, double k)
{
    uint32_t mixed = MixedChannel(c1, c2, 0, k) | MixedChannel(c1, c2, 8, k) | MixedChannel(c1, c2, 16, k);
    return int32_t((uint32_t(c1) & 0xFF000000u) | mixed);
}
