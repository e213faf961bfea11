#include "skin/paint/SectionBackground.h"

#include <algorithm>

#include "gfx/Merge.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/MaskedTexture.h"
#include "skin/paint/SectionFill.h"
#include "skin/model/SkinModel.h"

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

const TsMaskData* ValidMask(const TsSkinModel& model, int index)
{
    return model.IsValidMaskIndex(index) ? &model.Masks()[std::size_t(index)] : nullptr;
}

void ChooseTexture(TsSectionLook& look, const TsSkinModel& model, int sectionIndex, std::string_view sectionName,
                   int given, bool hot)
{
    if (given != -1) {
        const TsMaskData* mask = ValidMask(model, given);
        if (mask && mask->MaskType == 0)
            look.TextureMask = mask;
        return;
    }
    std::string_view key = hot ? "HOTPATTERN" : "PATTERN";
    if (const TsMaskData* mask = ValidMask(model, model.GetMaskIndex(sectionIndex, sectionName, key))) {
        look.TextureMask = mask;
        return;
    }
    int pattern = model.GetPatternIndex(sectionIndex, sectionName, key);
    if (pattern >= 0 && std::size_t(pattern) < model.Patterns().size())
        look.Pattern = model.Patterns()[std::size_t(pattern)].Image.View();
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

void PaintSectionBackground(int sectionIndex, std::string_view sectionName, const TsBgSource& bg, int32_t customColor,
                            int hotTextureIndex, int textureIndex, const TsSkinModel* model, View24 bitmap,
                            Point offset, const Rect& rect, bool hot)
{
    Rect r = rect.Intersected(bitmap.Bounds());
    if (!model || !model->IsValidSectionIndex(sectionIndex) || r.IsEmpty())
        return;
    StateFields f = FieldsOf(model->Sections()[std::size_t(sectionIndex)], hot);
    if (customColor != kSkinKeyColor)
        f = {customColor, 0, 0, 0, nullptr};
    TsSectionLook look = LookOf(f);
    if (f.transparency != 100 && f.imagePercent > 0)
        ChooseTexture(look, *model, sectionIndex, sectionName, hot ? hotTextureIndex : textureIndex, hot);
    TsBgSource parent = ShiftedBg(bg, offset);
    if (f.transparency > 0 && parent.HasColor())
        look.PlainColor = parent.FillColor;
    if (parent.IsEmpty())
        PaintSectionFill(bitmap, r, look, parent);
    else
        Compose(bitmap, r, look, parent, f.transparency);
    if (hot)
        return;
    const TsMaskData* grip = ValidMask(*model, textureIndex);
    if (!IsGripTexture(grip))
        grip = ValidMask(*model, hotTextureIndex);
    if (IsGripTexture(grip))
        FillMaskedTexture(bitmap, r, parent, 10, *grip);
}

void PaintSectionBackgroundFast(int sectionIndex, const TsBgSource& bg, int hotTextureIndex, int textureIndex,
                                const TsSkinModel* model, View24 bitmap, Point offset, const Rect& rect, bool hot)
{
    Rect r = rect.Intersected(bitmap.Bounds());
    if (!model || !model->IsValidSectionIndex(sectionIndex) || r.IsEmpty())
        return;
    StateFields f = FieldsOf(model->Sections()[std::size_t(sectionIndex)], hot);
    TsSectionLook look = LookOf(f);
    look.TextureMask = ValidMask(*model, hot ? hotTextureIndex : textureIndex);
    TsBgSource parent = ShiftedBg(bg, offset);
    if (parent.HasImage()) {
        Compose(bitmap, r, look, parent, f.transparency);
        return;
    }
    if (f.transparency == 100 && parent.HasColor())
        look.PlainColor = parent.FillColor;
    PaintSectionFill(bitmap, r, look, parent);
}
