#pragma once
// A skin item painted off-screen and copied to a device context.

#include <windows.h>

#include "gfx/Geometry.h"
#include "skin/paint/SectionRef.h"
#include "skin/paint/SkinBackground.h"

// Paints PaintSkinItem's look of the section into a new bitmap of rect's
// size and copies it to rect of dc; behindRect is what lies behind rect's
// top-left corner. The DC's state is saved and restored. Nothing for a
// missing DC, an empty rect or a section that is not valid.
void PaintSkinItemToDC(const TsSectionRef& section, const TsBgSource& behindRect, HDC dc, const Rect& rect, int state,
                       bool fillCentre);
