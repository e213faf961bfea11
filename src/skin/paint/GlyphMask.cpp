#include "skin/paint/GlyphMask.h"

#include "gfx/FadeCopy.h"
#include "gfx/KeyedCopy.h"
#include "gfx/MaskedCopy.h"
#include "skin/paint/MaskFrames.h"

namespace {

constexpr int kFadedMaskBoost = 100;
constexpr double kFadedShare = 0.5;

}  // namespace

void DrawGlyphMask(View24 bitmap, Point at, int state, const TsBgSource& bg, const TsMaskData& mask, int mode)
{
    if (!mask.HasOwnImage() && (!mask.Model || mask.ImageCount == 0))
        return;
    ConstView24 image = MaskSourceImage(mask);
    Rect frame = MaskFrameRect(mask, state);
    if (image.IsEmpty() || frame.IsEmpty())
        return;
    const bool normal = mode == kGlyphNormal;
    if (HasMaskRow(mask)) {
        CopyMaskedGlyph(bitmap, at, image, frame, MaskRowOffset(mask), kKeyPixel, normal ? 0 : kFadedMaskBoost);
    } else if (!normal && !mask.HasOwnImage()) {
        // A glyph of its own bitmap without a mask row has no faded form: it
        // is copied skipping its key colour in every mode.
        FadeCopyRect(bitmap, at, kKeyPixel, kFadedShare, frame, image);
    } else {
        HoleFill holes = mask.HasOwnImage() ? HoleFill::KeepTarget() : HolesShowing(bg);
        CopyKeyedRect(bitmap, image, at, holes, kKeyPixel, frame);
    }
}
