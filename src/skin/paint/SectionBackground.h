#pragma once
// A section's background: its own fill composed with what lies behind it by
// the section's transparency.

#include <string_view>

#include "gfx/PixelView.h"
#include "skin/paint/SkinBackground.h"

class TsSkinModel;

// Paints section sectionIndex of model into rect of bitmap. bitmap lies at
// offset inside bg (target pixel p is over bg's pixel p + offset + bg's
// own offset). hot chooses the Hot fields and HOTPATTERN. A customColor other
// than kSkinKeyColor replaces the colour and turns transparency, gradient and
// texture off.
//
// Texture (only for a transparency below 100 and an image percent above 0):
// the given texture mask (hot: hotTextureIndex) when it is not -1 and has no
// mask row; when it is -1 the section's PATTERN (HOTPATTERN) mask, or its
// picture pattern when there is no such mask.
// Composition with a background that is a picture or a colour: transparency
// 100 shows the background only, 1..99 merges the fill over it with the
// background's share T x 255 div 100, 0 paints the fill alone.
// In the normal state a texture mask with a mask row and StretchMode 10 (the
// given one, else the hot one) is then drawn over the result (a size grip).
void PaintSectionBackground(int sectionIndex, std::string_view sectionName, const TsBgSource& bg, int32_t customColor,
                            int hotTextureIndex, int textureIndex, const TsSkinModel* model, View24 bitmap,
                            Point offset, const Rect& rect, bool hot);

// The variant of forms and dialogs: the given texture mask is used as it is
// (no search); only a picture background is composed by transparency; over a
// plain colour the fill is painted directly and takes the parent's colour when
// it has neither texture nor gradient and its transparency is 100.
void PaintSectionBackgroundFast(int sectionIndex, const TsBgSource& bg, int hotTextureIndex, int textureIndex,
                                const TsSkinModel* model, View24 bitmap, Point offset, const Rect& rect, bool hot);
