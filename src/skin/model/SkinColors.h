#pragma once
// Colours of a skin: system colours resolved to RGB, and the hue and
// saturation changes a skin can be loaded with.
//
// A colour is 0x00BBGGRR (red in the lowest byte); a value whose top byte is
// 0xFF names a system colour by its index in the low byte. The key colour
// 0xFF00FF (fuchsia) marks holes in skin images and is never changed.

#include <cstdint>

#include "gfx/PixelView.h"

constexpr int32_t kSkinKeyColor = 0xFF00FF;
constexpr int32_t kSkinNoColor = -1;  // an unset contour colour

// The RGB value of a colour, system colours looked up in the installed table.
int32_t ResolveSkinColor(int32_t color);

// The table of system colours (index -> 0x00BBGGRR). The Windows layer
// installs the platform's lookup at start-up; until then a fixed table of
// the usual default colours is used, so portable code gives stable results.
using SystemColorLookup = uint32_t (*)(int index);
void SetSystemColorLookup(SystemColorLookup lookup);

// The colour with its hue turned by offset degrees; greys and the key colour
// are returned unchanged.
int32_t ShiftHue(int32_t color, int offset);
// The colour moved towards (negative saturation) or away from (positive) the
// average of its channels; -100 gives grey. Greys and the key colour stay.
int32_t ChangeSaturation(int32_t color, int saturation);

// The same for every pixel of an image.
void ShiftHue(View24 image, int offset);
void ChangeSaturation(View24 image, int saturation);
