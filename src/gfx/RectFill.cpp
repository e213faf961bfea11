#include "gfx/RectFill.h"

#include <algorithm>
#include <cstring>

void FillRectColor(View24 target, const Rect& rect, Rgb24 colour)
{
    View24 area = target.Subview(rect);
    if (area.IsEmpty())
        return;
    Rgb24* first = area.Row(0);
    std::fill(first, first + area.Width(), colour);
    for (int y = 1; y < area.Height(); ++y)
        std::memcpy(area.Row(y), first, std::size_t(area.Width()) * sizeof(Rgb24));
}

void FillFrameBands(View24 target, const Rect& rect, int left, int top, int right, int bottom, Rgb24 colour)
{
    if (rect.IsEmpty())
        return;
    int innerTop = std::min(rect.top + std::max(top, 0), rect.bottom);
    int innerBottom = std::max(rect.bottom - std::max(bottom, 0), innerTop);
    int innerLeft = std::min(rect.left + std::max(left, 0), rect.right);
    int innerRight = std::max(rect.right - std::max(right, 0), innerLeft);
    FillRectColor(target, {rect.left, rect.top, rect.right, innerTop}, colour);
    FillRectColor(target, {rect.left, innerTop, innerLeft, rect.bottom}, colour);
    FillRectColor(target, {innerLeft, innerBottom, rect.right, rect.bottom}, colour);
    FillRectColor(target, {innerRight, innerTop, rect.right, innerBottom}, colour);
}
