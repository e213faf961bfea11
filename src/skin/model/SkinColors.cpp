#include "skin/model/SkinColors.h"

#include <algorithm>
#include <cmath>

namespace {

// Default colours of the system palette, by system colour index.
uint32_t DefaultSystemColor(int index)
{
    static constexpr uint32_t kTable[31] = {
        0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x544E43, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xD77800, 0xF0F0F0,
    };
    return index >= 0 && index < 31 ? kTable[index] : 0;
}

SystemColorLookup g_systemColors = &DefaultSystemColor;

bool IsKeyOrGrey(int32_t rgb)
{
    int r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
    return rgb == kSkinKeyColor || (r == g && g == b);
}

int ClipRound(double v)
{
    return int(std::lround(std::clamp(v, 0.0, 255.0)));
}

int32_t MakeRgb(int r, int g, int b)
{
    return int32_t(r | (g << 8) | (b << 16));
}

int32_t HueShifted(int32_t rgb, int offset)
{
    int r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
    int v = std::max({r, g, b});
    int lowest = std::min({r, g, b});
    if (v == 0 || v == lowest)
        return rgb;
    double s = double(v - lowest) / v;
    double scale = 60.0 / (v - lowest);
    double h = r == v ? (g - b) * scale : g == v ? 120 + (b - r) * scale : 240 + (r - g) * scale;
    if (h < 0)
        h += 360;
    // Normalised to 0..359 before the sector arithmetic, also for negative offsets.
    int turned = int((std::llround(h + offset % 360) % 360 + 360) % 360);
    int sector = turned / 60;
    double f = turned / 60.0 - sector;
    double p = v * (1 - s);
    double q = v * (1 - f * s);
    double t = v * (1 - (1 - f) * s);
    double rr = 0, gg = 0, bb = 0;
    switch (sector) {
    case 0: rr = v; gg = t; bb = p; break;
    case 1: rr = q; gg = v; bb = p; break;
    case 2: rr = p; gg = v; bb = t; break;
    case 3: rr = p; gg = q; bb = v; break;
    case 4: rr = t; gg = p; bb = v; break;
    default: rr = v; gg = p; bb = q; break;
    }
    return MakeRgb(ClipRound(rr), ClipRound(gg), ClipRound(bb));
}

int32_t Saturated(int32_t rgb, int amount)
{
    int c[3] = {rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF};
    double average = (c[0] + c[1] + c[2]) / 3.0;
    for (int& channel : c)
        channel = ClipRound(channel + amount * (average - channel) / 100);
    return MakeRgb(c[0], c[1], c[2]);
}

// The remainder keeps the sign of -saturation: amounts run -100..100.
int SaturationAmount(int saturation)
{
    return int(-int64_t(saturation) % 101);
}

template <typename Fn>
void ForEachPixel(View24 image, Fn change)
{
    for (int y = 0; y < image.Height(); ++y) {
        Rgb24* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            int32_t rgb = int32_t(ToColorRef(row[x]));
            if (!IsKeyOrGrey(rgb))
                row[x] = ToRgb24(uint32_t(change(rgb)));
        }
    }
}

}  // namespace

int32_t ResolveSkinColor(int32_t color)
{
    if ((uint32_t(color) & 0xFF000000u) == 0xFF000000u)
        return int32_t(g_systemColors(int(color & 0xFF)) & 0xFFFFFF);
    return int32_t(uint32_t(color) & 0xFFFFFFu);
}

void SetSystemColorLookup(SystemColorLookup lookup)
{
    g_systemColors = lookup ? lookup : &DefaultSystemColor;
}

int32_t ShiftHue(int32_t color, int offset)
{
    if (offset == 0)
        return color;
    int32_t rgb = ResolveSkinColor(color);
    return IsKeyOrGrey(rgb) ? rgb : HueShifted(rgb, offset);
}

int32_t ChangeSaturation(int32_t color, int saturation)
{
    if (saturation == 0)
        return color;
    int32_t rgb = ResolveSkinColor(color);
    return IsKeyOrGrey(rgb) ? rgb : Saturated(rgb, SaturationAmount(saturation));
}

void ShiftHue(View24 image, int offset)
{
    if (offset != 0)
        ForEachPixel(image, [offset](int32_t rgb) { return HueShifted(rgb, offset); });
}

void ChangeSaturation(View24 image, int saturation)
{
    int amount = SaturationAmount(saturation);
    if (saturation != 0)
        ForEachPixel(image, [amount](int32_t rgb) { return Saturated(rgb, amount); });
}
