#include "skin/gdi/HoleRegion.h"

void CutHoleRuns(HRGN region, std::span<const Rect> runs)
{
    if (!region)
        return;
    for (const Rect& run : runs) {
        if (run.IsEmpty())
            continue;
        UniqueRegion hole(CreateRectRgn(run.left, run.top, run.right, run.bottom));
        if (hole)
            CombineRgn(region, region, hole.Get(), RGN_DIFF);
    }
}

UniqueRegion ShapeRegion(Size size, std::span<const Rect> runs)
{
    UniqueRegion region(CreateRectRgn(0, 0, size.width, size.height));
    CutHoleRuns(region.Get(), runs);
    return region;
}
