#pragma once
// Border images drawn in nine parts: corners copied as they are, sides and
// centre stretched or tiled between them.

#include "gfx/PixelView.h"
#include "skin/paint/BorderGeometry.h"
#include "skin/paint/SkinBackground.h"
#include "skin/model/SkinMasks.h"

// StretchMode bits of border images.
constexpr int kStretchSides = 1;     // stretch sides and centre (else tile them)
constexpr int kHiddenInState0 = 2;   // a flat control: no border in the normal state
constexpr int kDrawCentre = 4;       // the centre too, when the caller asks for it

// The mask's border widths (WL, WT, WR, WB, or what they default to).
BorderWidths MaskBorderWidths(const TsMaskData& m);

// Draws frame 'state' of a border mask into rect, its border widths reduced
// to fit. Nothing is drawn in state 0 when the mask has kHiddenInState0, into
// a rectangle less than 2 pixels wide or high, or for a mask without pixels.
//
// Without a mask row: corners are copied with their key-colour pixels as
// holes; with cornersOnBackground the holes show bg (its picture at the
// offset or its colour), without it a picture background leaves them as they
// were and a colour background still fills them. Sides are copied opaquely,
// stretched (kStretchSides) or tiled, and so is the centre when fillCentre is
// set and the mask has kDrawCentre.
// With a mask row every part is tiled and blended through the mask row; the
// corners' key-colour pixels follow bg as above (blended over a picture
// background without cornersOnBackground), those of sides and centre leave
// the target.
void DrawBorderMask(View24 bitmap, const Rect& rect, bool fillCentre, bool cornersOnBackground, int state,
                    const TsMaskData& mask, const TsBgSource& bg);
