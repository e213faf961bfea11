#include "controls/sLabelEffect.h"

#include <algorithm>

TsEffectMargins EffectMargins(int distance, int blurCount)
{
    return {std::min(0, distance - blurCount), std::max(0, distance + blurCount)};
}

void TsShadowAlpha::Prepare(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    std::size_t needed = 2 * std::size_t(width_ + 2) * std::size_t(height_ + 2);
    if (cells_.size() < needed)
        cells_.assign(needed, 0);
    else
        std::fill_n(cells_.begin(), needed, uint8_t(0));
}

void TsShadowAlpha::Blur(ConstView32 stamp, int passes)
{
    const int w = std::min(width_, stamp.Width());
    const int h = std::min(height_, stamp.Height());
    const std::ptrdiff_t row = width_ + 2;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < h; ++y) {
            const Bgra32* pixels = stamp.Row(y);
            uint8_t* cells = &cells_[std::size_t((y + 1) * row + 1)];
            for (int x = 0; x < w; ++x)
                if (pixels[x].b != 0)
                    cells[x] = 255;
        }
        for (int y = 1; y <= height_; ++y) {
            uint8_t* c = &cells_[std::size_t(y * row)];
            for (int x = 1; x <= width_; ++x)
                c[x] = uint8_t((c[x - row] + c[x + row] + c[x - 1] + c[x + 1]) / 4);
        }
    }
}

namespace {

template <typename Mix>
void BlendShadow(View32 effect, const TsShadowAlpha& alpha, Mix mix)
{
    for (int y = 0; y < effect.Height(); ++y) {
        Bgra32* p = effect.Row(y);
        for (int x = 0; x < effect.Width(); ++x)
            mix(p[x], alpha.Alpha(x, y));
    }
}

}  // namespace

void BlendShadowOverPicture(View32 effect, const TsShadowAlpha& alpha, Rgb24 s)
{
    BlendShadow(effect, alpha, [s](Bgra32& p, int a) {
        p.b = uint8_t((p.b * (255 - a) + s.b * a) / 256);
        p.g = uint8_t((p.g * (255 - a) + s.g * a) / 256);
        p.r = uint8_t((p.r * (255 - a) + s.r * a) / 256);
    });
}

void BlendShadowWithColor(View32 effect, const TsShadowAlpha& alpha, Rgb24 s, Rgb24 l)
{
    BlendShadow(effect, alpha, [s, l](Bgra32& p, int a) {
        p.b = uint8_t((s.b * a + l.b * (255 - a)) / 256);
        p.g = uint8_t((s.g * a + l.g * (255 - a)) / 256);
        p.r = uint8_t((s.r * a + l.r * (255 - a)) / 256);
    });
}
