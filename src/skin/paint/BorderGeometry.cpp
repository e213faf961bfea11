#include "skin/paint/BorderGeometry.h"

#include <algorithm>

namespace {

void Reduce(int& first, int& second, int length)
{
    int excess = first + second - length;
    if (excess <= 0)
        return;
    first = std::max(first - excess / 2, 0);
    second = std::max(second - excess / 2 - excess % 2, 0);
}

}  // namespace

BorderWidths ReduceBorderWidths(BorderWidths widths, Size area)
{
    Reduce(widths.left, widths.right, std::max(area.width, 0));
    Reduce(widths.top, widths.bottom, std::max(area.height, 0));
    return widths;
}

std::array<Rect, kNineParts> SplitNineParts(const Rect& r, BorderWidths w)
{
    int innerLeft = r.left + w.left, innerRight = std::max(r.right - w.right, innerLeft);
    int innerTop = r.top + w.top, innerBottom = std::max(r.bottom - w.bottom, innerTop);
    return {{
        {r.left, r.top, innerLeft, innerTop},                    // top-left
        {r.left, innerTop, innerLeft, innerBottom},              // left
        {innerLeft, r.top, innerRight, innerTop},                // top
        {r.left, r.bottom - w.bottom, innerLeft, r.bottom},      // bottom-left
        {innerLeft, r.bottom - w.bottom, innerRight, r.bottom},  // bottom
        {r.right - w.right, r.bottom - w.bottom, r.right, r.bottom},  // bottom-right
        {r.right - w.right, r.top, r.right, innerTop},           // top-right
        {r.right - w.right, innerTop, r.right, innerBottom},     // right
        {innerLeft, innerTop, innerRight, innerBottom},          // centre
    }};
}

std::array<Rect, 4> FrameBands(const Rect& r, BorderWidths w)
{
    return {{{r.left, r.top, r.right, r.top + w.top},
             {r.left, r.top + w.top, r.left + w.left, r.bottom - w.bottom},
             {r.left, r.bottom - w.bottom, r.right, r.bottom},
             {r.right - w.right, r.top + w.top, r.right, r.bottom - w.bottom}}};
}

Rect SkinnedClientRect(const Rect& r, BorderWidths image, int frameWidth)
{
    if (frameWidth > std::max({image.left, image.top, image.right, image.bottom}))
        return Deflated(r, {frameWidth, frameWidth, frameWidth, frameWidth});
    return Deflated(r, image);
}
