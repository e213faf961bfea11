#pragma once
// Copies through a transparency mask: a picture whose mask lies maskDy rows
// below it in the same source (a skin image's mask row). A mask channel of 0
// takes the picture, 255 keeps (nearly all of) what lies underneath.

#include "gfx/HoleFill.h"
#include "gfx/PixelView.h"

// Border pieces and texture tiles: per channel D' = (D x M + S x (256 - M))
// div 256. Source pixels of the key colour are blended like the others when
// blendKeys is set, otherwise they are holes filled as holes says.
void CopyMaskedPiece(View24 target, Point at, ConstView24 source, const Rect& srcRect, int maskDy, Rgb24 key,
                     const HoleFill& holes, bool blendKeys);

// Glyphs: per channel D' = S + ((D - S) x M) div 256 (div truncating towards
// zero), with M raised by maskBoost (at most 255) to draw the glyph fainter.
// Source pixels of the key colour are skipped.
void CopyMaskedGlyph(View24 target, Point at, ConstView24 source, const Rect& srcRect, int maskDy, Rgb24 key,
                     int maskBoost);
