#pragma once
// Small pictures for the painting tests: images drawn as text (one letter per
// pixel), masks built around them, skins with a master bitmap of their own,
// and 24-bit .bmp files.

#include <cstdint>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "gfx/PixelView.h"
#include "skin/model/SkinMasks.h"

class TsSkinModel;

inline void PrintTo(const Rgb24& p, std::ostream* os)
{
    *os << "(r" << int(p.r) << " g" << int(p.g) << " b" << int(p.b) << ")";
}
inline void PrintTo(const Rect& r, std::ostream* os)
{
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

constexpr Rgb24 RGB(int r, int g, int b)
{
    return {uint8_t(b), uint8_t(g), uint8_t(r)};
}
constexpr Rgb24 kFuchsia = RGB(255, 0, 255);

using Legend = std::map<char, Rgb24>;
// The letters used when no legend is given: K fuchsia, W white, B black,
// R red, G green, U blue, Y yellow, and the greys 1..9 (n x 25).
const Legend& DefaultLegend();

// One string per row, one letter per pixel.
Image24 Picture(const std::vector<std::string>& rows, const Legend& legend = DefaultLegend());
// Each pixel as its legend letter ('?' when none matches).
std::vector<std::string> Letters(ConstView24 view, const Legend& legend = DefaultLegend());

Image24 Solid(int width, int height, Rgb24 colour);

// A mask with a bitmap of its own: the whole picture, ImageCount frames side
// by side, MaskType 1 when the lower half holds the mask row.
TsMaskData OwnMask(Image24 picture, int imageCount, int maskType, int border, int stretchMode);

// A skin whose Options.dat is the given text (MASTERBITMAP=MASTER.BMP is
// added to GLOBALINFO) and whose master bitmap is the given picture.
std::unique_ptr<TsSkinModel> SkinWithMaster(const std::string& sections, ConstView24 master);
