#pragma once
// Puts what lies behind a control under the key-colour pixels of its border
// image's corners, so a cache shows its parent where the border is cut away.

#include "gfx/PixelView.h"
#include "skin/model/SkinMasks.h"
#include "skin/paint/SkinBackground.h"

enum TsCornerBits : unsigned {
    kRefillTopLeft = 1,
    kRefillBottomLeft = 2,
    kRefillTopRight = 4,
    kRefillBottomRight = 8,
    kRefillAllCorners = 15,
};

// For each corner in 'corners', the corner piece of frame 'state' (clamped
// to the frames there are) is laid over the same corner of cache; every
// cache pixel under a key-colour pixel of the piece takes behind's pixel (its
// picture at the offset, where it reaches) or colour. Pieces are clipped to
// the image and the cache; a cache 1 pixel wide or high or less is left alone.
void RefillBorderCorners(View24 cache, const TsMaskData& border, int state, unsigned corners,
                         const TsBgSource& behind);
