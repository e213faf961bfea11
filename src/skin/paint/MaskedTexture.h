#pragma once
// Textures that carry their own transparency (a mask row under the picture),
// such as the dots of a size grip.

#include "gfx/PixelView.h"
#include "skin/paint/SkinBackground.h"
#include "skin/model/SkinMasks.h"

// Tiles of frame 0 (one frame wide, half the mask's height high) are blended
// through their mask row from rect's top-left corner. drawType 0 tiles all of
// rect (clipped to the bitmap), cutting the last column and row; drawType 10
// draws whole tiles only while they end short of the right and bottom edges
// and fills the band below them (full width) and the band right of them (full
// height) from bg. Other drawTypes draw nothing. Key-colour pixels of a tile
// are blended like the others over a picture background and leave the target
// otherwise.
void FillMaskedTexture(View24 bitmap, const Rect& rect, const TsBgSource& bg, int drawType, const TsMaskData& mask);
