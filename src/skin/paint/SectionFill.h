#pragma once
// A section's own look in a rectangle: texture, gradient and colour, each by
// its percentage.

#include "gfx/PixelView.h"
#include "skin/paint/SkinBackground.h"
#include "skin/model/SkinMasks.h"
#include "skin/model/SkinSections.h"

// The fields of one state (normal or hot) of a section, as the fill uses them.
struct TsSectionLook {
    int32_t Color = 0xFFFFFF;
    int ImagePercent = 0;
    int GradientPercent = 0;
    const TsGradArray* Gradient = nullptr;  // none or no segments: the colour instead
    // At most one texture: a large picture, or a texture mask (a mask with a
    // mask row is blended over the colour).
    ConstView24 Pattern;
    const TsMaskData* TextureMask = nullptr;
    // The colour of a section that has neither texture nor gradient (Color,
    // or the parent's colour when the section lets it show through).
    int32_t PlainColor = 0xFFFFFF;
};

// With i = ImagePercent and g = GradientPercent:
// 1. i > 0: the texture, and the colour where it left the rectangle uncovered
//    (all of it without a texture).
// 2. g > 0: the gradient (the colour without segments) over the texture,
//    merged with the texture's share i x 255 div 100, or painted directly
//    without a texture.
// 3. i + g = 0: PlainColor; 1..99: tinted towards the colour by i + g percent;
//    from 100 on nothing more.
// bg is what lies behind the rectangle (used by textures with a mask row).
void PaintSectionFill(View24 bitmap, const Rect& rect, const TsSectionLook& look, const TsBgSource& bg);
