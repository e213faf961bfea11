#include "skin/paint/SkinTexture.h"

#include <algorithm>

#include "gfx/Blit.h"
#include "gfx/Stretch.h"
#include "skin/paint/MaskFrames.h"

namespace {

Rect Below(const Rect& r, int y)
{
    return {r.left, std::min(y, r.bottom), r.right, r.bottom};
}
Rect RightOf(const Rect& r, int x)
{
    return {std::min(x, r.right), r.top, r.right, r.bottom};
}
// Whole tiles while they end short of the right and bottom edges, then a cut
// column up to the right edge; returns the band left below them.
Rect TileShort(View24 bitmap, const Rect& r, ConstView24 tile)
{
    const int w = tile.Width(), h = tile.Height();
    int y = r.top;
    for (; y < r.bottom - h; y += h) {
        int x = r.left;
        for (; x < r.right - w; x += w)
            CopyPixels(bitmap, {x, y}, tile, tile.Bounds());
        TileImage(bitmap, {x, y, r.right, y + h}, tile);
    }
    return Below(r, y);
}

}  // namespace

Rect FillTexture(View24 bitmap, const Rect& rect, ConstView24 pattern, int drawType, const TsMaskData* mask)
{
    Rect clipped = rect.Intersected(bitmap.Bounds());
    if (clipped.IsEmpty())
        return {};
    if (!pattern.IsEmpty()) {
        TileImage(bitmap, clipped, pattern);
        return {};
    }
    ConstView24 tile = mask ? MaskSourceImage(*mask).Subview({mask->Left, mask->Top, mask->Right, mask->Bottom})
                            : ConstView24{};
    if (tile.IsEmpty())
        return clipped;
    // Drawn into a view of the rectangle, so that tiles and copies placed
    // against one edge never reach past the opposite one.
    View24 inside = bitmap.Subview(clipped);
    const Rect r = inside.Bounds();
    const int w = tile.Width(), h = tile.Height();
    Rect uncovered;
    switch (drawType) {
    case 0: TileImage(inside, r, tile); break;
    case 1: StretchRect(inside, r, tile, tile.Bounds()); break;
    case 2:
        TileImage(inside, {0, 0, r.right, h}, tile);
        uncovered = Below(r, h);
        break;
    case 3:
        TileImage(inside, {0, 0, w, r.bottom}, tile);
        uncovered = RightOf(r, w);
        break;
    case 4:
        StretchRect(inside, {0, 0, r.right, h}, tile, tile.Bounds());
        uncovered = Below(r, h);
        break;
    case 5:
        StretchRect(inside, {0, 0, w, r.bottom}, tile, tile.Bounds());
        uncovered = RightOf(r, w);
        break;
    case 6:
        TileImage(inside, {0, r.bottom - h, r.right, r.bottom}, tile);
        uncovered = {0, 0, r.right, std::max(r.bottom - h, 0)};
        break;
    case 10: uncovered = TileShort(inside, r, tile); break;
    default:
        TileImage(inside, {r.right - w, 0, r.right, r.bottom}, tile);
        uncovered = {0, 0, std::max(r.right - w, 0), r.bottom};
        break;
    }
    return uncovered.IsEmpty() ? Rect{} : uncovered.Translated(clipped.left, clipped.top);
}
