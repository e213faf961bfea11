#include "gfx/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {
double Linear(uint32_t channel)
{
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double RelativeLuminance(uint32_t colour)
{
    return 0.2126 * Linear(colour & 255) + 0.7152 * Linear((colour >> 8) & 255) +
           0.0722 * Linear((colour >> 16) & 255);
}

double ContrastRatio(uint32_t a, uint32_t b)
{
    double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
