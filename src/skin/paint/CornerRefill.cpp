#include "skin/paint/CornerRefill.h"

#include "skin/paint/BorderMask.h"
#include "skin/paint/MaskFrames.h"

namespace {

void RefillPiece(View24 cache, ConstView24 image, const Rect& piece, Point at, const HoleFill& holes)
{
    Rect source = piece.Intersected(image.Bounds());
    for (int y = source.top; y < source.bottom; ++y) {
        int cy = at.y + (y - piece.top);
        if (cy < 0 || cy >= cache.Height())
            continue;
        for (int x = source.left; x < source.right; ++x) {
            int cx = at.x + (x - piece.left);
            if (cx >= 0 && cx < cache.Width() && image.At(x, y) == kKeyPixel)
                holes.Fill(cache.At(cx, cy), cx, cy);
        }
    }
}

}  // namespace

void RefillBorderCorners(View24 cache, const TsMaskData& border, int state, unsigned corners,
                         const TsBgSource& behind)
{
    ConstView24 image = MaskSourceImage(border);
    if (image.IsEmpty() || cache.Width() <= 1 || cache.Height() <= 1)
        return;
    HoleFill holes = HolesShowing(behind);
    if (holes.kind == HoleFill::Kind::Keep)
        return;
    const Rect frame = MaskFrameRect(border, state);
    const BorderWidths w = MaskBorderWidths(border);
    const int width = cache.Width(), height = cache.Height();
    struct Corner {
        unsigned bit;
        Rect piece;
        Point at;
    };
    const Corner all[] = {
        {kRefillTopLeft, Rect::FromSize(frame.left, frame.top, w.left, w.top), {0, 0}},
        {kRefillTopRight, Rect::FromSize(frame.right - w.right, frame.top, w.right, w.top), {width - w.right, 0}},
        {kRefillBottomLeft, Rect::FromSize(frame.left, frame.bottom - w.bottom, w.left, w.bottom), {0, height - w.bottom}},
        {kRefillBottomRight, Rect::FromSize(frame.right - w.right, frame.bottom - w.bottom, w.right, w.bottom),
         {width - w.right, height - w.bottom}},
    };
    for (const Corner& c : all)
        if (corners & c.bit)
            RefillPiece(cache, image, c.piece, c.at, holes);
}
