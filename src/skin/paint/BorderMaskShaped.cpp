#include "skin/paint/BorderMaskShaped.h"

#include <algorithm>

#include "gfx/KeyedCopy.h"
#include "gfx/MaskedCopy.h"
#include "gfx/Stretch.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/MaskFrames.h"

namespace {

// A stretched side or centre: stretched apart, then copied without its key pixels.
void StretchKeyed(View24 bitmap, const Rect& to, ConstView24 image, const Rect& from)
{
    Rect visible = to.Intersected(bitmap.Bounds());
    if (visible.IsEmpty())
        return;
    Image24 stretched(visible.Width(), visible.Height());
    StretchRect(stretched.View(), to.Translated(-visible.left, -visible.top), image, from);
    CopyKeyedRect(bitmap, stretched.View(), {visible.left, visible.top}, HoleFill::KeepTarget(), kKeyPixel,
                  stretched.View().Bounds());
}

}  // namespace

void AppendKeyRuns(std::vector<Rect>& runs, ConstView24 image, const Rect& from, Point at)
{
    Rect src = from.Intersected(image.Bounds());
    for (int y = src.top; y < src.bottom; ++y) {
        const Rgb24* row = image.Row(y);
        for (int x = src.left; x < src.right;) {
            if (row[x] != kKeyPixel) {
                ++x;
                continue;
            }
            int start = x;
            while (x < src.right && row[x] == kKeyPixel)
                ++x;
            int ty = at.y + y - from.top;
            runs.push_back({at.x + start - from.left, ty, at.x + x - from.left, ty + 1});
        }
    }
}

void DrawBorderMaskShaped(View24 bitmap, std::vector<Rect>* holeRuns, bool fillCentre, int state,
                          const TsMaskData& mask)
{
    const Rect rect = bitmap.Bounds();
    if ((state == 0 && (mask.StretchMode & kHiddenInState0)) || rect.Width() < 2 || rect.Height() < 2)
        return;
    ConstView24 image = MaskSourceImage(mask);
    if (image.IsEmpty())
        return;
    BorderWidths widths = ReduceBorderWidths(MaskBorderWidths(mask), {rect.Width(), rect.Height()});
    auto dst = SplitNineParts(rect, widths);
    auto src = SplitNineParts(MaskFrameRect(mask, state), widths);
    const bool centre = fillCentre && (mask.StretchMode & kDrawCentre);
    const bool masked = HasMaskRow(mask);
    const bool stretch = !masked && (mask.StretchMode & kStretchSides);
    for (int p = 0; p < kNineParts; ++p) {
        auto part = NinePart(p);
        const Rect& to = dst[std::size_t(p)];
        const Rect& from = src[std::size_t(p)];
        if (part == NinePart::Centre && !centre)
            continue;
        if (IsCorner(part) && holeRuns)
            AppendKeyRuns(*holeRuns, image, from, {to.left, to.top});
        if (masked) {
            TileCell(to, from, bitmap.Bounds(), [&](Point at, const Rect& piece) {
                CopyMaskedPiece(bitmap, at, image, piece, MaskRowOffset(mask), kKeyPixel, HoleFill::KeepTarget(),
                                false);
            });
        } else if (stretch && !IsCorner(part)) {
            StretchKeyed(bitmap, to, image, from);
        } else {
            TileCell(to, from, bitmap.Bounds(), [&](Point at, const Rect& piece) {
                CopyKeyedRect(bitmap, image, at, HoleFill::KeepTarget(), kKeyPixel, piece);
            });
        }
    }
}
