#include "skin/paint/PaintTarget.h"

TsPaintTarget TsPaintTarget::Translated(Point to) const
{
    TsPaintTarget moved = *this;
    moved.origin_ = {origin_.x - to.x, origin_.y - to.y};
    return moved;
}

TsPaintTarget TsPaintTarget::Clipped(const Rect& r) const
{
    Rect inPixels = ToPixels(r).Intersected(pixels_.Bounds());
    TsPaintTarget clipped;
    if (inPixels.IsEmpty())
        return clipped;
    clipped.pixels_ = pixels_.Subview(inPixels);
    clipped.origin_ = {origin_.x + inPixels.left, origin_.y + inPixels.top};
    clipped.behind_ = ShiftedBg(behind_, {inPixels.left, inPixels.top});
    return clipped;
}
