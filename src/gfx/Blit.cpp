#include "gfx/Blit.h"

#include <algorithm>
#include <cstring>

CopyArea ClipCopy(Size targetSize, Point at, Size sourceSize, const Rect& srcRect)
{
    Rect src = srcRect.Intersected({0, 0, sourceSize.width, sourceSize.height});
    if (src.IsEmpty())
        return {};
    Point dst{at.x + src.left - srcRect.left, at.y + src.top - srcRect.top};
    Rect landed = Rect::FromSize(dst.x, dst.y, src.Width(), src.Height())
                      .Intersected({0, 0, targetSize.width, targetSize.height});
    if (landed.IsEmpty())
        return {};
    Rect cut{src.left + landed.left - dst.x, src.top + landed.top - dst.y, 0, 0};
    cut.right = cut.left + landed.Width();
    cut.bottom = cut.top + landed.Height();
    return {cut, {landed.left, landed.top}};
}

void CopyPixels(View24 target, Point at, ConstView24 source, const Rect& srcRect)
{
    if (target.IsEmpty() || source.IsEmpty())
        return;
    CopyArea area = ClipCopy({target.Width(), target.Height()}, at, {source.Width(), source.Height()}, srcRect);
    if (area.IsEmpty())
        return;
    std::size_t bytes = std::size_t(area.source.Width()) * sizeof(Rgb24);
    for (int y = 0; y < area.source.Height(); ++y)
        std::memmove(target.Row(area.target.y + y) + area.target.x, source.Row(area.source.top + y) + area.source.left,
                     bytes);
}

void TileImage(View24 target, const Rect& area, ConstView24 tile)
{
    Rect clip = area.Intersected(target.Bounds());
    if (clip.IsEmpty() || tile.IsEmpty())
        return;
    int tw = tile.Width(), th = tile.Height();
    for (int y = clip.top; y < clip.bottom; ++y) {
        const Rgb24* tileRow = tile.Row((y - area.top) % th);
        Rgb24* row = target.Row(y);
        // The first tile column that reaches into the clip.
        int x0 = area.left + (clip.left - area.left) / tw * tw;
        for (; x0 < clip.right; x0 += tw) {
            int from = std::max(x0, clip.left);
            int to = std::min(x0 + tw, clip.right);
            std::memcpy(row + from, tileRow + (from - x0), std::size_t(to - from) * sizeof(Rgb24));
        }
    }
}
