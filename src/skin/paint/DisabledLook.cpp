#include "skin/paint/DisabledLook.h"

#include "gfx/FadeCopy.h"
#include "gfx/Gray.h"
#include "gfx/Tint.h"

namespace {

constexpr double kControlShare = 0.4;  // of the control, over the parent's picture
constexpr int kTintPercent = 50;

}  // namespace

void ApplyDisabledLook(View24 bitmap, TsDisabledKinds kinds, int32_t controlColor, Point offset,
                       const TsBgSource& bg)
{
    if (bitmap.IsEmpty())
        return;
    if (kinds & dkGrayed)
        MakeGray(bitmap);
    if (!(kinds & dkBlended))
        return;
    if (bg.HasImage()) {
        Rect behind = Rect::FromSize(bg.OffsetX + offset.x, bg.OffsetY + offset.y, bitmap.Width(), bitmap.Height());
        FadeCopyRect(bitmap, {0, 0}, std::nullopt, kControlShare, behind, bg.Image);
        return;
    }
    int32_t color = bg.HasColor() ? bg.FillColor : controlColor;
    TintRect(bitmap, bitmap.Bounds(), kTintPercent, SkinRgb(color));
}
