#pragma once
// A section's background: its own fill composed with what lies behind it by
// the section's transparency.

#include "skin/paint/PaintTarget.h"
#include "skin/paint/SectionRef.h"

// Paints the section's background into rect of target. hot chooses the Hot
// fields and HOTPATTERN. A customColor other than kSkinKeyColor replaces the
// colour and turns transparency, gradient and texture off.
//
// Texture (only for a transparency below 100 and an image percent above 0):
// the section's texture mask (hot: its hot one) when it has no mask row;
// without one, the PATTERN (HOTPATTERN) mask, or its picture pattern when
// there is no such mask.
// Composition with a background that is a picture or a colour: transparency
// 100 shows the background only, 1..99 merges the fill over it with the
// background's share T x 255 div 100, 0 paints the fill alone.
// In the normal state a texture mask with a mask row and StretchMode 10 (the
// texture, else the hot texture) is then drawn over the result (a size grip).
void PaintSectionBackground(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, bool hot,
                            int32_t customColor = kSkinKeyColor);

// The variant of forms and dialogs: the section's texture mask is used as it
// is (no search); only a picture background is composed by transparency; over
// a plain colour the fill is painted directly and takes the parent's colour
// when it has neither texture nor gradient and its transparency is 100.
void PaintSectionBackgroundFast(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, bool hot);
