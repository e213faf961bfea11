#pragma once
// Glyphs: one state frame of a glyph mask drawn at a point.

#include "gfx/PixelView.h"
#include "skin/paint/SkinBackground.h"
#include "skin/model/SkinMasks.h"

constexpr int kGlyphNormal = 1;  // any other mode draws the glyph faded (disabled)

// Draws frame 'state' (clamped) with its top-left corner at 'at'; what falls
// outside the bitmap is cut away. Key-colour pixels are never drawn.
// - With a mask row: each pixel blended through it; faded, the mask is
//   raised by 100 so the glyph shows fainter.
// - Without one, from the master bitmap: the holes show bg; faded, a half
//   blend of glyph and target.
// - Without one, from its own bitmap: copied; faded, a half blend.
// A mask cut from the master bitmap needs its skin and at least one frame.
void DrawGlyphMask(View24 bitmap, Point at, int state, const TsBgSource& bg, const TsMaskData& mask, int mode);
