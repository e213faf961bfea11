#pragma once
// A skin item painted off-screen and copied to a device context.

#include <windows.h>

#include <string_view>

#include "gfx/Geometry.h"
#include "skin/paint/SkinBackground.h"

class TsSkinModel;

// Paints PaintSkinItem's look of the section into a new bitmap of rect's
// size (its pixel (0, 0) lies over bg at offset plus rect's top-left corner)
// and copies it to rect of dc. The DC's state is saved and restored. Nothing
// for a missing DC, an empty rect or a section that is not valid.
void PaintSkinItemToDC(int sectionIndex, std::string_view sectionName, const TsBgSource& bg,
                       const TsSkinModel* manager, HDC dc, Point offset, const Rect& rect, int state, bool fillCentre);
