#pragma once
// Two-colour linear gradients over a rectangle, row by row or column by column.

#include "gfx/PixelView.h"

// The first row of area gets 'from', the last row 'to', the rows between the
// linear mix (rounded per channel). Only the part inside the view is written;
// the mix is that of the whole area.
void FillVerticalGradient(View24 target, const Rect& area, Rgb24 from, Rgb24 to);
// The same along the columns: first column 'from', last column 'to'.
void FillHorizontalGradient(View24 target, const Rect& area, Rgb24 from, Rgb24 to);
