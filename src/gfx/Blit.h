#pragma once
// Opaque block copies: one rectangle to a point, and tiles over an area.
// Both are row copies; nothing is blended.

#include "gfx/PixelView.h"

// A copy of a source rectangle to a destination point, cut to what lies
// inside both views. Parts of srcRect outside the source move the
// destination point with them, and parts of the destination outside the
// target move the source rectangle, so pixels always land where they would
// without clipping.
struct CopyArea {
    Rect source;  // empty when nothing is copied
    Point target;
    bool IsEmpty() const { return source.IsEmpty(); }
};
CopyArea ClipCopy(Size targetSize, Point at, Size sourceSize, const Rect& srcRect);

// Copies srcRect of source to target with its top-left corner at 'at'.
void CopyPixels(View24 target, Point at, ConstView24 source, const Rect& srcRect);

// Tiles the whole of tile over area: whole tiles from area's top-left corner,
// the last column and row cut at area's right and bottom edges.
void TileImage(View24 target, const Rect& area, ConstView24 tile);
