#pragma once
// Stretching by area averaging: each target pixel is the mean of the source
// area it covers, each source pixel weighted by how much of it lies inside.
// Integer arithmetic throughout, so the result is the same on every platform.

#include "gfx/PixelView.h"

// Stretches srcRect of source (clipped to the source) over dstRect of target.
// dstRect may reach outside the target: the mapping is that of the whole
// dstRect and only its visible part is written. Equal sizes are row copies.
void StretchRect(View24 target, const Rect& dstRect, ConstView24 source, const Rect& srcRect);
