#pragma once
// Weighted merges of one picture into another (fades, partly transparent fills).

#include "gfx/PixelView.h"

// Blends srcRect of source into target at dstPoint, both clipped: each channel
// becomes (d x w + s x (255 - w) + 127) div 256, w = weight (clamped to
// 0..255) being the target's share. Nothing happens when either view is
// smaller than 2 x 2 pixels.
void MergeBitmapRect(View24 target, ConstView24 source, int weight, Point dstPoint, const Rect& srcRect);

// The same over two views of equal size; nothing when the sizes differ.
void MergeBitmaps(View24 target, ConstView24 source, int weight);
