#include "gfx/FadeCopy.h"

#include <algorithm>
#include <cmath>

#include "gfx/Blit.h"

namespace {

uint8_t Faded(uint8_t s, uint8_t d, double k)
{
    return uint8_t(std::clamp(std::floor(s - k * (s - d) + 0.5), 0.0, 255.0));
}

}  // namespace

void FadeCopyRect(View24 target, Point at, std::optional<Rgb24> key, double k, const Rect& srcRect, ConstView24 source)
{
    if (target.IsEmpty() || source.IsEmpty())
        return;
    CopyArea area = ClipCopy({target.Width(), target.Height()}, at, {source.Width(), source.Height()}, srcRect);
    for (int y = 0; y < area.source.Height(); ++y) {
        Rgb24* d = target.Row(area.target.y + y) + area.target.x;
        const Rgb24* s = source.Row(area.source.top + y) + area.source.left;
        for (int x = 0; x < area.source.Width(); ++x) {
            if (key && s[x] == *key)
                continue;
            d[x] = {Faded(s[x].b, d[x].b, k), Faded(s[x].g, d[x].g, k), Faded(s[x].r, d[x].r, k)};
        }
    }
}
