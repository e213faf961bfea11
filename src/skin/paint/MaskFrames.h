#pragma once
// A mask's pixels and its state frames: frame k of ImageCount frames side by
// side; with MaskType 1 the row below the frames is their transparency mask.

#include "gfx/PixelView.h"
#include "skin/model/SkinMasks.h"

// The picture a mask is cut from: its own bitmap, else its skin's master
// bitmap; empty when it has neither.
ConstView24 MaskSourceImage(const TsMaskData& m);
// ImageCount, at least 1.
int MaskFrameCount(const TsMaskData& m);
// The rectangle width div ImageCount by the height div (MaskType + 1).
Size MaskFrameSize(const TsMaskData& m);
// The frame drawn for a state: states at or above the count draw the last
// frame, negative ones the first.
int ClampMaskState(const TsMaskData& m, int state);
// The frame of a (clamped) state, in the coordinates of MaskSourceImage.
Rect MaskFrameRect(const TsMaskData& m, int state);
inline bool HasMaskRow(const TsMaskData& m)
{
    return m.MaskType == 1;
}
// How far below an image pixel its mask pixel lies: half the mask's height.
inline int MaskRowOffset(const TsMaskData& m)
{
    return m.Height() / 2;
}

constexpr Rgb24 kKeyPixel{0xFF, 0x00, 0xFF};  // fuchsia: holes in skin images
