#include "icon/IconArt.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Bgra32 Opaque(uint32_t rgb)
{
    return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16), 255};
}

constexpr Bgra32 Frame = Opaque(0x1F3D6B);
constexpr Bgra32 TitleTop = Opaque(0x4A8FE7);
constexpr Bgra32 TitleBottom = Opaque(0x1E5BBE);
constexpr Bgra32 Body = Opaque(0xFFFFFF);
constexpr Bgra32 BodyShade = Opaque(0xE8EEF6);
constexpr Bgra32 Button = Opaque(0xDCE8FA);

void Fill(Image32& image, Rect r, Bgra32 colour)
{
    r = r.Intersected({0, 0, image.Width(), image.Height()});
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            image.At(x, y) = colour;
}

// Darkens what lies under r by a translucent black, for a soft shadow.
void Shade(Image32& image, Rect r, uint8_t alpha)
{
    r = r.Intersected({0, 0, image.Width(), image.Height()});
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            Bgra32& p = image.At(x, y);
            if (p.a == 0) {
                p = {0, 0, 0, alpha};
                continue;
            }
            auto darken = [alpha](uint8_t c) { return uint8_t(c * (255 - alpha / 2) / 255); };
            p = {darken(p.b), darken(p.g), darken(p.r), p.a};
        }
    }
}

Bgra32 Mix(Bgra32 a, Bgra32 b, int num, int den)
{
    auto m = [&](uint8_t x, uint8_t y) { return uint8_t((x * (den - num) + y * num) / den); };
    return {m(a.b, b.b), m(a.g, b.g), m(a.r, b.r), 255};
}

// One window: frame, title bar with a vertical gradient, white body.
void DrawWindow(Image32& image, Rect outer, int size)
{
    int border = std::max(1, size / 40);
    int title = std::max(3, int(std::lround(size * 0.15)));
    Fill(image, outer, Frame);
    Rect inner = outer.Inflated(-border, -border);
    Rect bar{inner.left, inner.top, inner.right, inner.top + title};
    for (int y = bar.top; y < bar.bottom; ++y)
        Fill(image, {bar.left, y, bar.right, y + 1}, Mix(TitleTop, TitleBottom, y - bar.top, title));
    Rect body{inner.left, bar.bottom + (size >= 32 ? border : 0), inner.right, inner.bottom};
    Fill(image, body, Body);
    if (size >= 32) {
        int shade = std::max(1, size / 16);
        Fill(image, {body.left, body.bottom - shade, body.right, body.bottom}, BodyShade);
        int box = std::max(2, title / 2);
        int gap = (title - box) / 2;
        Fill(image, Rect::FromSize(bar.right - gap - box, bar.top + gap, box, box), Button);
    }
}

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, unsigned v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// An icon image in the .ico container's bitmap form: a header with twice the
// height, the colour rows bottom-up, then the 1-bit mask (set where transparent).
std::vector<std::uint8_t> EncodeIconImage(const Image32& image)
{
    int size = image.Width();
    int maskStride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, unsigned(size));
    Put32(out, unsigned(size * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, unsigned(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i)
        Put32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            const Bgra32& p = image.At(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(std::size_t(maskStride), 0);
        for (int x = 0; x < size; ++x)
            if (image.At(x, y).a == 0)
                row[std::size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Image32 DrawProgramIcon(int size)
{
    Image32 image(size, size);
    auto at = [size](double f) { return int(std::lround(f * size)); };
    Rect back{at(0.04), at(0.06), at(0.72), at(0.62)};
    Rect front{at(0.28), at(0.36), at(0.96), at(0.92)};
    DrawWindow(image, back, size);
    int shadow = std::max(1, size / 32);
    Shade(image, front.Translated(shadow, shadow), 70);
    DrawWindow(image, front, size);
    return image;
}

std::vector<std::uint8_t> BuildProgramIconFile()
{
    const int sizes[] = {128, 64, 48, 32, 24, 16};
    std::vector<std::vector<std::uint8_t>> images;
    for (int size : sizes)
        images.push_back(EncodeIconImage(DrawProgramIcon(size)));

    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, unsigned(std::size(sizes)));
    unsigned offset = 6 + 16 * unsigned(std::size(sizes));
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(uint8_t(sizes[i]));
        out.push_back(uint8_t(sizes[i]));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, unsigned(images[i].size()));
        Put32(out, offset);
        offset += unsigned(images[i].size());
    }
    for (const auto& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}
