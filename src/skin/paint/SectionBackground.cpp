#include "skin/paint/SectionBackground.h"

#include <algorithm>

#include "gfx/Merge.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/MaskedTexture.h"
#include "skin/paint/SectionFill.h"
#include "skin/model/SkinPatterns.h"
#include "skin/model/SkinSections.h"

namespace {

struct StateFields {
    int32_t color;
    int transparency;
    int imagePercent;
    int gradientPercent;
    const TsGradArray* gradient;
};

StateFields FieldsOf(const TsGeneralData& s, bool hot)
{
    if (hot)
        return {s.HotColor, s.HotTransparency, s.HotImagePercent, s.HotGradientPercent, &s.HotGradientArray};
    return {s.Color, s.Transparency, s.ImagePercent, s.GradientPercent, &s.GradientArray};
}

TsSectionLook LookOf(const StateFields& f)
{
    TsSectionLook look;
    look.Color = look.PlainColor = f.color;
    look.ImagePercent = f.imagePercent;
    look.GradientPercent = f.gradientPercent;
    look.Gradient = f.gradientPercent != 0 ? f.gradient : nullptr;
    return look;
}

void ChooseTexture(TsSectionLook& look, const TsSectionRef& section, bool hot)
{
    int given = hot ? section.HotTexture : section.Texture;
    if (given != -1) {
        const TsMaskData* mask = section.Mask(given);
        if (mask && mask->MaskType == 0)
            look.TextureMask = mask;
        return;
    }
    if (const TsMaskData* mask = section.Mask(hot ? section.HotSearchedMask : section.SearchedMask)) {
        look.TextureMask = mask;
        return;
    }
    if (const TsPatternData* picture = section.Picture(hot ? section.HotSearchedPicture : section.SearchedPicture))
        look.Pattern = picture->Image.View();
}

// The fill over a picture or colour background at transparency t (1..99).
void MergeOverBackground(View24 bitmap, const Rect& r, const TsSectionLook& look, const TsBgSource& parent, int t)
{
    PaintBgInto(bitmap, r, parent);
    Image24 fill(r.Width(), r.Height());
    PaintSectionFill(fill.View(), fill.View().Bounds(), look, ShiftedBg(parent, {r.left, r.top}));
    MergeBitmapRect(bitmap, fill.View(), t * 255 / 100, {r.left, r.top}, fill.View().Bounds());
}

void Compose(View24 bitmap, const Rect& r, const TsSectionLook& look, const TsBgSource& parent, int t)
{
    if (t >= 100)
        PaintBgInto(bitmap, r, parent);
    else if (t > 0)
        MergeOverBackground(bitmap, r, look, parent, t);
    else
        PaintSectionFill(bitmap, r, look, parent);
}

bool IsGripTexture(const TsMaskData* m)
{
    return m && HasMaskRow(*m) && m->StretchMode == 10;
}

}  // namespace

void PaintSectionBackground(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, bool hot,
                            int32_t customColor)
{
    View24 bitmap = target.Pixels();
    Rect r = target.ToPixels(rect).Intersected(bitmap.Bounds());
    if (!section.IsValid() || r.IsEmpty())
        return;
    StateFields f = FieldsOf(section.Data(), hot);
    if (customColor != kSkinKeyColor)
        f = {customColor, 0, 0, 0, nullptr};
    TsSectionLook look = LookOf(f);
    if (f.transparency != 100 && f.imagePercent > 0)
        ChooseTexture(look, section, hot);
    const TsBgSource& parent = target.Behind();
    if (f.transparency > 0 && parent.HasColor())
        look.PlainColor = parent.FillColor;
    if (parent.IsEmpty())
        PaintSectionFill(bitmap, r, look, parent);
    else
        Compose(bitmap, r, look, parent, f.transparency);
    if (hot)
        return;
    const TsMaskData* grip = section.Mask(section.Texture);
    if (!IsGripTexture(grip))
        grip = section.Mask(section.HotTexture);
    if (IsGripTexture(grip))
        FillMaskedTexture(bitmap, r, parent, 10, *grip);
}

void PaintSectionBackgroundFast(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, bool hot)
{
    View24 bitmap = target.Pixels();
    Rect r = target.ToPixels(rect).Intersected(bitmap.Bounds());
    if (!section.IsValid() || r.IsEmpty())
        return;
    StateFields f = FieldsOf(section.Data(), hot);
    TsSectionLook look = LookOf(f);
    look.TextureMask = section.Mask(hot ? section.HotTexture : section.Texture);
    const TsBgSource& parent = target.Behind();
    if (parent.HasImage()) {
        Compose(bitmap, r, look, parent, f.transparency);
        return;
    }
    if (f.transparency == 100 && parent.HasColor())
        look.PlainColor = parent.FillColor;
    PaintSectionFill(bitmap, r, look, parent);
}
