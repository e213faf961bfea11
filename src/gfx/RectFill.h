#pragma once
// Solid fills of a rectangle and of the four bands of a frame.

#include "gfx/PixelView.h"

// Fills rect (clipped to the view) with one colour.
void FillRectColor(View24 target, const Rect& rect, Rgb24 colour);

// Fills the four border bands of rect with the given widths: the top band over
// the full width, the left band below it, the bottom band right of the left
// band, the right band between the top and bottom bands. Widths below 0 count
// as 0; bands wider than rect stop at its far edge.
void FillFrameBands(View24 target, const Rect& rect, int left, int top, int right, int bottom, Rgb24 colour);
