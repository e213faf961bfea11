#pragma once
// The look of a disabled control: greyed, and blended with what lies behind it.

#include "gfx/PixelView.h"
#include "skin/paint/SkinBackground.h"

enum TsDisabledKind : unsigned { dkBlended = 1, dkGrayed = 2 };
using TsDisabledKinds = unsigned;  // a set of TsDisabledKind bits

// dkGrayed makes the bitmap grey; dkBlended then mixes it with what lies
// behind: 60 % of bg's picture (at bg's offset plus offset) and 40 % of the
// control, or, over a colour, a 50 % tint towards that colour (towards
// controlColor when bg is empty).
void ApplyDisabledLook(View24 bitmap, TsDisabledKinds kinds, int32_t controlColor, Point offset,
                       const TsBgSource& bg);
