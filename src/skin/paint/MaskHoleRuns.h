#pragma once
// The key-colour pixels in the corners of a form's border image, as runs for
// the form's window region.

#include <vector>

#include "gfx/Geometry.h"
#include "skin/model/SkinMasks.h"

// Scans the top corners (rows 0..WT - 1 of frame 0) or, with bottomCorners,
// the bottom ones (the last WB rows of frame 0): the left corner's columns
// 0..WL - 1 and the right corner's FW - WR..FW - 1. Each run of key-colour
// pixels in a row is appended as a rectangle one pixel high at y plus the
// row's index in the corner, the right corner's columns moved by
// windowWidth - FW. A mask without pixels adds nothing.
void MaskHoleRuns(std::vector<Rect>& runs, int windowWidth, const TsMaskData& mask, bool bottomCorners, int y);
