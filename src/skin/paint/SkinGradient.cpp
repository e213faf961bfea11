#include "skin/paint/SkinGradient.h"

#include <algorithm>
#include <cmath>

#include "gfx/Gradient.h"
#include "gfx/TriangleGradient.h"

namespace {

Rgb24 SegmentColor(int32_t color)
{
    return ToRgb24(uint32_t(color) & 0xFFFFFFu);
}

void FillRowBands(View24 bitmap, const Rect& r, const TsGradArray& segments)
{
    const int last = r.bottom - 1;
    int y = r.top;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const TsGradSegment& s = segments[i];
        int end = i + 1 == segments.size() ? last : std::min(y + s.Percent * r.Height() / 100, last);
        if (end > y)
            FillVerticalGradient(bitmap, {r.left, y, r.right, end + 1}, SegmentColor(s.Color1),
                                 SegmentColor(s.Color2));
        y = end;
    }
}

void FillColumnBands(View24 bitmap, const Rect& r, const TsGradArray& segments)
{
    const int last = r.right - 1;
    int x = r.left;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const TsGradSegment& s = segments[i];
        int reach = int(std::lround(x + s.Percent * r.Width() / 100.0));
        int end = i + 1 == segments.size() ? last : std::min(reach, last);
        if (end > x)
            FillHorizontalGradient(bitmap, {x, r.top, end + 1, r.bottom}, SegmentColor(s.Color1),
                                   SegmentColor(s.Color2));
        x = end;
    }
}

// Corners and centre coloured by the first colours of segments 0..4; a corner
// without a segment takes the colour of the one before it.
void FillCornerMesh(View24 bitmap, const Rect& r, const TsGradArray& segments)
{
    const Point at[5] = {{r.left, r.top},
                         {r.left + r.Width() / 2, r.top + r.Height() / 2},
                         {r.right, r.top},
                         {r.right, r.bottom},
                         {r.left, r.bottom}};
    GradientVertex v[5];
    for (std::size_t i = 0; i < 5; ++i) {
        Rgb24 c = i < segments.size() ? SegmentColor(segments[i].Color1) : v[i - 1].color;
        v[i] = {at[i], c};
    }
    FillTriangleGradient(bitmap, {v[0], v[1], v[2]});
    FillTriangleGradient(bitmap, {v[1], v[2], v[3]});
    FillTriangleGradient(bitmap, {v[0], v[1], v[4]});
    FillTriangleGradient(bitmap, {v[4], v[1], v[3]});
}

}  // namespace

void FillGradient(View24 bitmap, const Rect& rect, const TsGradArray& segments)
{
    Rect r = rect.Intersected(bitmap.Bounds());
    if (r.IsEmpty() || segments.empty())
        return;
    switch (segments.front().Mode) {
    case 0: FillRowBands(bitmap, r, segments); break;
    case 1: FillColumnBands(bitmap, r, segments); break;
    case 2: FillCornerMesh(bitmap, r, segments); break;
    default: break;
    }
}
