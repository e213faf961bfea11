#pragma once
// Snapping a moved window to the edges of its monitor's work area.

#include "gfx/Geometry.h"

// The top-left corner a window placed at `window` takes when every edge that
// lies closer than `buffer` pixels to the same edge of `workArea` (inside or
// outside) snaps to it; the left and top edges win over the right and bottom
// ones when a window is nearly as big as the area.
Point SnapToWorkArea(const Rect& window, const Rect& workArea, int buffer);
