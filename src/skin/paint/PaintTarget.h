#pragma once
// Where a skin painter draws: the pixels that may change, where the painter's
// own (0, 0) lies among them, and what lies behind them. A target is moved
// and narrowed as a whole, so painters work in their own coordinates and
// nobody adds offsets by hand.

#include "gfx/PixelView.h"
#include "skin/paint/SkinBackground.h"

class TsPaintTarget {
public:
    TsPaintTarget() = default;
    // The whole of bitmap; behind lies under its pixel (0, 0) (a picture at
    // its offset, or a colour).
    TsPaintTarget(View24 bitmap, const TsBgSource& behind) : pixels_(bitmap), behind_(behind) {}

    // The same pixels with the painter's origin moved to 'to' (in the
    // current coordinates).
    TsPaintTarget Translated(Point to) const;
    // Only the part inside r (current coordinates) may change; coordinates
    // stay as they are.
    TsPaintTarget Clipped(const Rect& r) const;

    bool IsEmpty() const { return pixels_.IsEmpty(); }
    // The pixels that may change; their (0, 0) is Origin() in painter coordinates.
    View24 Pixels() const { return pixels_; }
    Point Origin() const { return origin_; }
    // The area that may change, in painter coordinates.
    Rect Clip() const { return Rect::FromSize(origin_.x, origin_.y, pixels_.Width(), pixels_.Height()); }
    // r (painter coordinates) in the coordinates of Pixels().
    Rect ToPixels(const Rect& r) const { return r.Translated(-origin_.x, -origin_.y); }
    // What lies behind Pixels(), aligned with them.
    const TsBgSource& Behind() const { return behind_; }

private:
    View24 pixels_;
    Point origin_;  // painter coordinates of pixels_'s (0, 0)
    TsBgSource behind_;
};
