#include "gfx/Merge.h"

#include <algorithm>

#include "gfx/Blit.h"

namespace {

bool TooSmall(Size s)
{
    return s.width < 2 || s.height < 2;
}

}  // namespace

void MergeBitmapRect(View24 target, ConstView24 source, int weight, Point dstPoint, const Rect& srcRect)
{
    if (target.IsEmpty() || source.IsEmpty())
        return;
    Size targetSize{target.Width(), target.Height()};
    Size sourceSize{source.Width(), source.Height()};
    if (TooSmall(targetSize) || TooSmall(sourceSize))
        return;
    CopyArea area = ClipCopy(targetSize, dstPoint, sourceSize, srcRect);
    if (area.IsEmpty())
        return;
    const unsigned w = unsigned(std::clamp(weight, 0, 255));
    const unsigned v = 255 - w;
    const int bytes = area.source.Width() * 3;
    for (int y = 0; y < area.source.Height(); ++y) {
        auto* d = reinterpret_cast<uint8_t*>(target.Row(area.target.y + y) + area.target.x);
        auto* s = reinterpret_cast<const uint8_t*>(source.Row(area.source.top + y) + area.source.left);
        for (int i = 0; i < bytes; ++i)
            d[i] = uint8_t((d[i] * w + s[i] * v + 127) >> 8);
    }
}

void MergeBitmaps(View24 target, ConstView24 source, int weight)
{
    if (target.Width() != source.Width() || target.Height() != source.Height())
        return;
    MergeBitmapRect(target, source, weight, {0, 0}, source.Bounds());
}
