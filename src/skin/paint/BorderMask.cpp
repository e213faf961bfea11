#include "skin/paint/BorderMask.h"

#include <algorithm>

#include "gfx/Blit.h"
#include "gfx/KeyedCopy.h"
#include "gfx/MaskedCopy.h"
#include "gfx/Stretch.h"
#include "skin/paint/MaskFrames.h"

namespace {

struct PartSource {
    ConstView24 image;
    int maskDy;
};

HoleFill CornerHoles(const TsBgSource& bg, bool cornersOnBackground)
{
    if (!cornersOnBackground && bg.HasImage())
        return HoleFill::KeepTarget();
    return HolesShowing(bg);
}

void DrawMaskedParts(View24 bitmap, const std::array<Rect, kNineParts>& dst, const std::array<Rect, kNineParts>& src,
                     const PartSource& s, bool centre, bool cornersOnBackground, const TsBgSource& bg)
{
    for (int p = 0; p < kNineParts; ++p) {
        auto part = NinePart(p);
        if (part == NinePart::Centre && !centre)
            continue;
        bool corner = IsCorner(part);
        HoleFill holes = corner && cornersOnBackground ? HolesShowing(bg) : HoleFill::KeepTarget();
        bool blendKeys = corner && !cornersOnBackground && bg.HasImage();
        TileCell(dst[std::size_t(p)], src[std::size_t(p)], bitmap.Bounds(), [&](Point at, const Rect& piece) {
            CopyMaskedPiece(bitmap, at, s.image, piece, s.maskDy, kKeyPixel, holes, blendKeys);
        });
    }
}

void DrawOpaqueParts(View24 bitmap, const std::array<Rect, kNineParts>& dst, const std::array<Rect, kNineParts>& src,
                     ConstView24 image, bool centre, bool stretch, const HoleFill& cornerHoles)
{
    for (int p = 0; p < kNineParts; ++p) {
        auto part = NinePart(p);
        const Rect& to = dst[std::size_t(p)];
        const Rect& from = src[std::size_t(p)];
        if (part == NinePart::Centre && !centre)
            continue;
        if (IsCorner(part))
            CopyKeyedRect(bitmap, image, {to.left, to.top}, cornerHoles, kKeyPixel, from);
        else if (stretch)
            StretchRect(bitmap, to, image, from);
        else
            TileImage(bitmap, to, image.Subview(from));
    }
}

}  // namespace

BorderWidths MaskBorderWidths(const TsMaskData& m)
{
    return {MaskWidthLeft(m), MaskWidthTop(m), MaskWidthRight(m), MaskWidthBottom(m)};
}

void DrawBorderMask(View24 bitmap, const Rect& rect, bool fillCentre, bool cornersOnBackground, int state,
                    const TsMaskData& mask, const TsBgSource& bg)
{
    if ((state == 0 && (mask.StretchMode & kHiddenInState0)) || rect.Width() < 2 || rect.Height() < 2)
        return;
    ConstView24 image = MaskSourceImage(mask);
    if (image.IsEmpty() || bitmap.IsEmpty())
        return;
    Rect frame = MaskFrameRect(mask, state);
    BorderWidths widths = ReduceBorderWidths(MaskBorderWidths(mask), {rect.Width(), rect.Height()});
    auto dst = SplitNineParts(rect, widths);
    auto src = SplitNineParts(frame, widths);
    bool centre = fillCentre && (mask.StretchMode & kDrawCentre);
    if (HasMaskRow(mask))
        DrawMaskedParts(bitmap, dst, src, {image, MaskRowOffset(mask)}, centre, cornersOnBackground, bg);
    else
        DrawOpaqueParts(bitmap, dst, src, image, centre, mask.StretchMode & kStretchSides,
                        CornerHoles(bg, cornersOnBackground));
}
