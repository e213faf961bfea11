#include "gfx/Gradient.h"

#include <algorithm>
#include <cstring>

#include "gfx/RectFill.h"

namespace {

// Step k of steps from a to b, rounded half up (all terms are non-negative).
uint8_t MixChannel(int a, int b, int k, int steps)
{
    if (steps == 0)
        return uint8_t(a);
    int numerator = a * steps + k * (b - a);
    return uint8_t((2 * numerator + steps) / (2 * steps));
}

Rgb24 Mix(Rgb24 a, Rgb24 b, int k, int steps)
{
    return {MixChannel(a.b, b.b, k, steps), MixChannel(a.g, b.g, k, steps), MixChannel(a.r, b.r, k, steps)};
}

}  // namespace

void FillVerticalGradient(View24 target, const Rect& area, Rgb24 from, Rgb24 to)
{
    Rect clip = area.Intersected(target.Bounds());
    for (int y = clip.top; y < clip.bottom; ++y)
        FillRectColor(target, {clip.left, y, clip.right, y + 1}, Mix(from, to, y - area.top, area.Height() - 1));
}

void FillHorizontalGradient(View24 target, const Rect& area, Rgb24 from, Rgb24 to)
{
    Rect clip = area.Intersected(target.Bounds());
    if (clip.IsEmpty())
        return;
    Rgb24* first = target.Row(clip.top);
    for (int x = clip.left; x < clip.right; ++x)
        first[x] = Mix(from, to, x - area.left, area.Width() - 1);
    for (int y = clip.top + 1; y < clip.bottom; ++y)
        std::memcpy(target.Row(y) + clip.left, first + clip.left, std::size_t(clip.Width()) * sizeof(Rgb24));
}
