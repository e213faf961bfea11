#pragma once
// A section's gradient (its GRADIENTDATA segments) painted into a rectangle.

#include "gfx/PixelView.h"
#include "skin/model/SkinSections.h"

// The Mode of the first segment chooses the kind: 0 vertical bands, 1
// horizontal bands, 2 a mesh of four triangles between the corners and the
// centre; any other mode, and no segments, paint nothing. rect is clipped to
// the bitmap first. Segment colours are plain RGB.
//
// Bands: each segment runs from where the last one ended over Percent of the
// clipped length (integer division for rows, rounded for columns), never past
// the last row or column; the last segment always ends there. A segment ends
// on the row (column) where the next begins, which repaints it; a segment of
// length 0 paints nothing.
void FillGradient(View24 bitmap, const Rect& rect, const TsGradArray& segments);
