#pragma once
// Border images for windows shaped by their border: the key-colour pixels of
// the corners are cut out of the window.

#include <vector>

#include "gfx/PixelView.h"
#include "skin/model/SkinMasks.h"

// Draws frame 'state' of a border mask over the whole bitmap, nine parts as
// DrawBorderMask does, with these differences: a mask row blends every part
// (sides and centre tiled); without one every part is copied with its
// key-colour pixels left out (sides and centre stretched with kStretchSides,
// else tiled). Key-colour pixels never change the bitmap.
// When holeRuns is given, every horizontal run of key-colour pixels in the
// four corners is appended to it as a rectangle one pixel high, in bitmap
// coordinates: the platform layer cuts them out of the window's region.
void DrawBorderMaskShaped(View24 bitmap, std::vector<Rect>* holeRuns, bool fillCentre, int state,
                          const TsMaskData& mask);

// Appends the runs of key-colour pixels of source cell 'from' as they land at
// 'at': one rectangle per run, one pixel high.
void AppendKeyRuns(std::vector<Rect>& runs, ConstView24 image, const Rect& from, Point at);
