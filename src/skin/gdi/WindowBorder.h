#pragma once
// The non-client border of a windowed control drawn from its skin's border
// image: painted into the control's cache, then its four bands copied to the
// window's device context.

#include <windows.h>

#include "gfx/Geometry.h"
#include "skin/paint/SectionRef.h"
#include "skin/paint/SkinBackground.h"

class TBitmap;

// rect is the window's rectangle in the DC (its top-left corner is the
// cache's (0, 0)); borderWidth is the window's real non-client width. For a
// section whose border mask is valid: the cache becomes a 24-bit bitmap of
// rect's size; a border image with a mask row first gets the parent's
// background under its border (its picture, else the control's colour); the
// border (no centre) is drawn on parentBg; clientRect becomes rect less the
// image's border widths, and when borderWidth is wider the gap is filled with
// the control's colour and clientRect becomes rect less borderWidth. Unless
// dc is the cache's own, the four bands borderWidth wide are copied to dc.
// Returns false, changing nothing, when the control has no valid border mask.
bool PaintWindowBorder(HDC dc, const Rect& rect, int borderWidth, Rect& clientRect, int state,
                       const TsSectionRef& section, int32_t controlColor, TBitmap& cache,
                       const TsBgSource& parentBg);
