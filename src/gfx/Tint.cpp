#include "gfx/Tint.h"

#include <algorithm>
#include <array>

namespace {

// out[p] for one channel; exact integer rounding of the real formula (all
// terms are non-negative, so adding half the divisor rounds half up).
std::array<uint8_t, 256> TintTable(int percent, int c)
{
    std::array<uint8_t, 256> table{};
    for (int p = 0; p < 256; ++p)
        table[std::size_t(p)] = uint8_t((p * percent + c * (100 - percent) + 50) / 100);
    return table;
}

}  // namespace

void TintRect(View24 target, const Rect& rect, int percent, Rgb24 colour)
{
    View24 area = target.Subview(rect);
    if (area.IsEmpty())
        return;
    percent = std::clamp(percent, 0, 100);
    if (percent == 100)
        return;
    auto blue = TintTable(percent, colour.b);
    auto green = TintTable(percent, colour.g);
    auto red = TintTable(percent, colour.r);
    for (int y = 0; y < area.Height(); ++y) {
        Rgb24* row = area.Row(y);
        for (int x = 0; x < area.Width(); ++x)
            row[x] = {blue[row[x].b], green[row[x].g], red[row[x].r]};
    }
}
