#pragma once
// Gouraud-shaded triangles: the colour of each pixel is the mix of the three
// corner colours by its barycentric weights.

#include <array>

#include "gfx/PixelView.h"

struct GradientVertex {
    Point at;  // on the pixel grid: (x, y) is the top-left corner of pixel (x, y)
    Rgb24 color;
};

// Fills the pixels whose centres lie inside the triangle, coloured by their
// centre's weights. A centre on an edge belongs to the triangle when the edge
// is a top or left edge, so triangles that share an edge never paint a pixel
// twice and leave no gap. Degenerate triangles paint nothing.
void FillTriangleGradient(View24 target, const std::array<GradientVertex, 3>& corners);
