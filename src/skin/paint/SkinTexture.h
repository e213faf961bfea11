#pragma once
// A section's texture: a large picture tiled, or a texture mask tiled or
// stretched as its StretchMode says.

#include "gfx/PixelView.h"
#include "skin/model/SkinMasks.h"

// Paints a texture into rect (clipped to the bitmap) and returns the part of
// it the texture left uncovered, empty when it covered everything.
//
// With a pattern picture the picture is tiled over rect. Otherwise the mask's
// rectangle (w x h) is the source and drawType chooses: 0 tiles, 1 one
// stretched copy, 2 a row of tiles at the top, 3 a column at the left, 4 one
// copy stretched to the width, h high at the top, 5 stretched to
// the height, w wide at the left, 6 a row of tiles at the bottom, 7 and other
// values a column at the right; 10 whole tiles only while they end short of
// the right and bottom edges, then a cut column up to the right edge for
// those rows, leaving a band at the bottom, which is returned as uncovered so
// that it is filled like any other uncovered part.
// Without a picture or a mask nothing is painted and all of rect is returned.
Rect FillTexture(View24 bitmap, const Rect& rect, ConstView24 pattern, int drawType, const TsMaskData* mask);
