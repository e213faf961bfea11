#pragma once
// Window regions from the key-colour runs of border images.

#include <windows.h>

#include <span>

#include "gfx/Geometry.h"
#include "toolkit/Handles.h"

// Cuts every run out of the region, one region operation per run.
void CutHoleRuns(HRGN region, std::span<const Rect> runs);
// The rectangle (0, 0, size) less the runs.
UniqueRegion ShapeRegion(Size size, std::span<const Rect> runs);
