#pragma once
// Copies that treat one colour as holes.

#include "gfx/HoleFill.h"
#include "gfx/PixelView.h"

// Copies srcRect of source (clipped to both views) to target at 'at'; source
// pixels of the key colour are holes, filled as holes says. Other pixels
// are copied as they are.
void CopyKeyedRect(View24 target, ConstView24 source, Point at, const HoleFill& holes, Rgb24 key, const Rect& srcRect);
