#include "skin/frame/FadeIn.h"

#include <algorithm>

std::vector<int> FadeInWeights(unsigned milliseconds)
{
    std::vector<int> weights;
    int count = int(milliseconds / kFadeInFrameMilliseconds);
    if (count < 1)
        return weights;
    int step = 255 / count;
    for (int i = 0, w = 255; i <= count; ++i, w -= step)
        weights.push_back(w);
    return weights;
}

void BlendFadeInFrame(View24 frame, ConstView24 screen, ConstView24 form, int weight)
{
    const int w = std::max(weight, 0);
    const int width = std::min({frame.Width(), screen.Width(), form.Width()});
    const int height = std::min({frame.Height(), screen.Height(), form.Height()});
    auto mix = [w](uint8_t s, uint8_t f) { return uint8_t(f + (((int(s) - int(f)) * w) >> 8)); };
    for (int y = 0; y < height; ++y) {
        Rgb24* out = frame.Row(y);
        const Rgb24* s = screen.Row(y);
        const Rgb24* f = form.Row(y);
        for (int x = 0; x < width; ++x)
            out[x] = {mix(s[x].b, f[x].b), mix(s[x].g, f[x].g), mix(s[x].r, f[x].r)};
    }
}
