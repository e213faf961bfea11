#pragma once
// Nine-part geometry of border images: four corners, four sides and the
// centre, in the order the border painters draw them.

#include <algorithm>
#include <array>

#include "gfx/Geometry.h"

struct BorderWidths {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const BorderWidths&, const BorderWidths&) = default;
};

// Border widths that fit an area: when it is narrower than left + right, both
// lose half the excess and the right one a pixel more when the excess is odd
// (nothing below 0); the same vertically.
BorderWidths ReduceBorderWidths(BorderWidths widths, Size area);

// The rectangle inside a frame of these widths.
constexpr Rect Deflated(const Rect& r, BorderWidths w)
{
    return {r.left + w.left, r.top + w.top, r.right - w.right, r.bottom - w.bottom};
}

// The four bands of a frame: top over the full width, left and right between
// top and bottom, bottom over the full width. The order is top, left, bottom, right.
std::array<Rect, 4> FrameBands(const Rect& r, BorderWidths w);

// The client area of a window inside a skinned frame: r less the border
// image's widths, or less the window's own frame width where that is wider
// than every side of the image.
Rect SkinnedClientRect(const Rect& r, BorderWidths image, int frameWidth);

enum class NinePart { TopLeft, Left, Top, BottomLeft, Bottom, BottomRight, TopRight, Right, Centre };
constexpr int kNineParts = 9;

// The nine cells of r; sides and centre are empty when the borders meet.
std::array<Rect, kNineParts> SplitNineParts(const Rect& r, BorderWidths widths);

inline const Rect& Cell(const std::array<Rect, kNineParts>& parts, NinePart which)
{
    return parts[std::size_t(which)];
}
inline bool IsCorner(NinePart p)
{
    return p == NinePart::TopLeft || p == NinePart::BottomLeft || p == NinePart::BottomRight || p == NinePart::TopRight;
}

// Tiles a source cell over a target cell from the target's top-left corner,
// the last column and row cut; each piece that reaches into clip is drawn by
// draw(at, sourcePiece).
template <typename Draw>
void TileCell(const Rect& target, const Rect& source, const Rect& clip, Draw draw)
{
    Rect visible = target.Intersected(clip);
    if (visible.IsEmpty() || source.IsEmpty())
        return;
    const int w = source.Width(), h = source.Height();
    for (int y = target.top + (visible.top - target.top) / h * h; y < visible.bottom; y += h)
        for (int x = target.left + (visible.left - target.left) / w * w; x < visible.right; x += w)
            draw(Point{x, y}, Rect::FromSize(source.left, source.top, std::min(w, target.right - x),
                                              std::min(h, target.bottom - y)));
}
