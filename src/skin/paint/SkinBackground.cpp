#include "skin/paint/SkinBackground.h"

#include "gfx/Blit.h"
#include "gfx/RectFill.h"

TsBgSource BgFromImage(ConstView24 image, int offsetX, int offsetY)
{
    return {image, offsetX, offsetY, kSkinKeyColor, true};
}

TsBgSource BgFromColor(int32_t color)
{
    return {{}, 0, 0, color, false};
}

TsBgSource ShiftedBg(const TsBgSource& bg, Point by)
{
    TsBgSource shifted = bg;
    shifted.OffsetX += by.x;
    shifted.OffsetY += by.y;
    return shifted;
}

TsBgSource QueryToSource(const TsBgQuery& query)
{
    if (query.Kind == 2)
        return BgFromImage(query.Image, query.OffsetX, query.OffsetY);
    return BgFromColor(ResolveSkinColor(query.Color));
}

HoleFill HolesShowing(const TsBgSource& bg)
{
    if (bg.HasImage())
        return HoleFill::FromImage(bg.Image, {bg.OffsetX, bg.OffsetY});
    if (bg.HasColor())
        return HoleFill::WithColor(SkinRgb(bg.FillColor));
    return HoleFill::KeepTarget();
}

bool PaintBgInto(View24 target, const Rect& rect, const TsBgSource& bg)
{
    if (bg.HasImage()) {
        CopyPixels(target, {rect.left, rect.top}, bg.Image, rect.Translated(bg.OffsetX, bg.OffsetY));
        return true;
    }
    if (bg.HasColor()) {
        FillRectColor(target, rect, SkinRgb(bg.FillColor));
        return true;
    }
    return false;
}
