#include "skin/paint/SectionFill.h"

#include <algorithm>

#include "gfx/Merge.h"
#include "gfx/RectFill.h"
#include "gfx/Tint.h"
#include "skin/paint/MaskedTexture.h"
#include "skin/paint/SkinGradient.h"
#include "skin/paint/SkinTexture.h"

namespace {

// Paints the texture and the colour where it left gaps; false without one.
bool PaintTexture(View24 bitmap, const Rect& r, const TsSectionLook& look, const TsBgSource& bg)
{
    Rgb24 colour = SkinRgb(look.Color);
    const TsMaskData* mask = look.TextureMask;
    if (look.Pattern.IsEmpty() && !mask) {
        FillRectColor(bitmap, r, colour);
        return false;
    }
    if (look.Pattern.IsEmpty() && mask->MaskType != 0) {
        // The picture is blended through its mask row: lay the colour under it.
        FillRectColor(bitmap, r, colour);
        FillMaskedTexture(bitmap, r, bg, mask->StretchMode, *mask);
        return true;
    }
    Rect uncovered = FillTexture(bitmap, r, look.Pattern, mask ? mask->StretchMode : 0, mask);
    FillRectColor(bitmap, uncovered, colour);
    return true;
}

// The gradient, or the colour when there are no segments. Mode values that
// paint nothing leave the colour.
void PaintGradient(View24 bitmap, const Rect& r, const TsSectionLook& look)
{
    FillRectColor(bitmap, r, SkinRgb(look.Color));
    if (look.Gradient)
        FillGradient(bitmap, r, *look.Gradient);
}

}  // namespace

void PaintSectionFill(View24 bitmap, const Rect& rect, const TsSectionLook& look, const TsBgSource& bg)
{
    Rect r = rect.Intersected(bitmap.Bounds());
    if (r.IsEmpty())
        return;
    const int i = std::max(look.ImagePercent, 0), g = std::max(look.GradientPercent, 0);
    bool textured = i > 0 && PaintTexture(bitmap, r, look, bg);
    if (g > 0) {
        if (textured) {
            Image24 gradient(r.Width(), r.Height());
            PaintGradient(gradient.View(), gradient.View().Bounds(), look);
            MergeBitmapRect(bitmap, gradient.View(), std::clamp(i * 255 / 100, 0, 255), {r.left, r.top},
                            gradient.View().Bounds());
        } else {
            PaintGradient(bitmap, r, look);
        }
    }
    int s = i + g;
    if (s == 0)
        FillRectColor(bitmap, r, SkinRgb(look.PlainColor));
    else if (s < 100)
        TintRect(bitmap, r, s, SkinRgb(look.Color));
}
