#pragma once
// The pictures of a glyph button: a strip of equal images side by side, read
// by draw state, with the missing ones made from the first image. The colour
// of the strip's bottom-left pixel is transparent.

#include <cstdint>
#include <vector>

#include "controls/PvxButtonFrame.h"
#include "gfx/PixelView.h"

constexpr int MaxNumGlyphs = 5;

// NumGlyphs after a new picture of this size: the width / height ratio when
// the width is an exact multiple of the height and the ratio is below 6, else
// 1 for an exact multiple, else the current value.
int NumGlyphsForShape(int width, int height, int current);

// The strip image a draw state shows: disabled 1; a state beyond the strip 0
// (2, or 4 for the combined hot-and-pressed state 6, with the glyph style);
// otherwise the state's own number.
int GlyphImageIndex(int drawState, int numGlyphs, bool glyphStyle);
inline int GlyphImageIndex(TPvxDrawState state, int numGlyphs, bool glyphStyle)
{
    return GlyphImageIndex(int(state), numGlyphs, glyphStyle);
}

// A 32-bit picture without its alpha channel (glyphs ignore alpha).
Image24 DropAlpha(ConstView32 source);
Image24 CopyImage(ConstView24 source);

// The bottom-left pixel, the transparent colour; black for an empty picture.
Rgb24 TransparentColorOf(ConstView24 strip);

// Image number `index` of a strip of `numGlyphs` images (each strip width /
// numGlyphs wide); empty when the index is outside the strip.
Image24 CutGlyphImage(ConstView24 strip, int numGlyphs, int index);

// The embossed disabled look: the picture's silhouette (every pixel that is not
// the key colour) painted in `highlight` one pixel right and down, then in
// `shadow` in place, on a field of the key colour.
Image24 MakeDisabledGlyph(ConstView24 image, Rgb24 key, Rgb24 highlight, Rgb24 shadow);

// A 1-bit mask of the picture, rows top-down, each padded to `rowAlignment`
// bytes; a set bit marks a transparent (key-coloured) pixel.
std::vector<uint8_t> KeyMaskBits(ConstView24 image, Rgb24 key, int rowAlignment);

// The picture with its key-coloured pixels turned black, ready to be ORed over
// a background the mask has cleared.
Image24 BlackenKeyPixels(ConstView24 image, Rgb24 key);
