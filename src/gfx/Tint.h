#pragma once
// Tinting: moving every pixel of a rectangle towards one colour.

#include "gfx/PixelView.h"

// Each channel p of rect (clipped) becomes round(p x percent / 100 +
// c x (1 - percent / 100)): 100 keeps the pixels, 0 makes them the colour.
// percent is clamped to 0..100.
void TintRect(View24 target, const Rect& rect, int percent, Rgb24 colour);
