#include "skin/paint/SkinItem.h"

#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/SectionBackground.h"
#include "skin/model/SkinModel.h"

namespace {

bool CanPaint(const TsSkinModel* model, int sectionIndex, View24 bitmap, const Rect& rect)
{
    return model && model->IsValidSectionIndex(sectionIndex) && !bitmap.IsEmpty() && !rect.IsEmpty() &&
           rect.Intersected(bitmap.Bounds()) == rect;
}

const TsMaskData* MaskAt(const TsSkinModel& model, int index)
{
    return model.IsValidMaskIndex(index) ? &model.Masks()[std::size_t(index)] : nullptr;
}

void DrawCornerImages(const TsSkinModel& model, int sectionIndex, std::string_view sectionName, View24 bitmap,
                      const Rect& rect, int state)
{
    // Holes show the bitmap itself: what was painted under the corner.
    TsBgSource self = BgFromImage(bitmap, 0, 0);
    auto draw = [&](std::string_view key, auto place) {
        if (const TsMaskData* m = MaskAt(model, model.GetMaskIndex(sectionIndex, sectionName, key)))
            DrawGlyphMask(bitmap, place(MaskFrameSize(*m)), state, self, *m, kGlyphNormal);
    };
    draw("IMGTOPLEFT", [&](Size) { return Point{rect.left, rect.top}; });
    draw("IMGTOPRIGHT", [&](Size f) { return Point{rect.right - f.width, rect.top}; });
    draw("IMGBTMLEFT", [&](Size f) { return Point{rect.left, rect.bottom - f.height}; });
    draw("IMGBTMRIGHT", [&](Size f) { return Point{rect.right - f.width, rect.bottom - f.height}; });
}

int32_t CustomColorOf(const TsControlSkin& control)
{
    return control.CustomColor ? control.Color : kSkinKeyColor;
}

}  // namespace

void PaintSkinItem(int sectionIndex, std::string_view sectionName, const TsBgSource& bg, int hotTextureIndex,
                   int textureIndex, const TsSkinModel* model, View24 bitmap, Point offset, const Rect& rect, int state,
                   bool fillCentre)
{
    if (!CanPaint(model, sectionIndex, bitmap, rect))
        return;
    PaintSectionBackground(sectionIndex, sectionName, bg, kSkinKeyColor, hotTextureIndex, textureIndex, model, bitmap,
                           offset, rect, state != 0);
    DrawCornerImages(*model, sectionIndex, sectionName, bitmap, rect, state);
    if (const TsMaskData* border = MaskAt(*model, model->GetMaskIndex(sectionIndex, sectionName, "BORDERSMASK")))
        DrawBorderMask(bitmap, rect, fillCentre, true, state, *border, ShiftedBg(bg, offset));
}

void PaintControlBackground(const TsControlSkin& control, const TsBgSource& bg, bool hot, View24 bitmap, Point offset,
                            const Rect& rect)
{
    PaintSectionBackground(control.SectionIndex, control.SkinSection, bg, CustomColorOf(control),
                           control.HotTextureMaskIndex, control.TextureMaskIndex, control.Manager, bitmap, offset,
                           rect, hot);
}

void PaintControlItem(const TsControlSkin& control, const TsBgSource& bg, bool fillCentre, int hotTextureIndex,
                      int textureIndex, bool cornersOnBackground, View24 bitmap, Point offset, const Rect& rect,
                      int state)
{
    const TsSkinModel* model = control.Manager;
    if (!CanPaint(model, control.SectionIndex, bitmap, rect))
        return;
    PaintSectionBackground(control.SectionIndex, control.SkinSection, bg, CustomColorOf(control), hotTextureIndex,
                           textureIndex, model, bitmap, offset, rect, state != 0);
    if (const TsMaskData* border = MaskAt(*model, control.BorderMaskIndex))
        DrawBorderMask(bitmap, rect, fillCentre, cornersOnBackground, state, *border, ShiftedBg(bg, offset));
    DrawCornerImages(*model, control.SectionIndex, control.SkinSection, bitmap, rect, state);
}

void PaintSkinItemFast(int sectionIndex, int hotTextureIndex, int textureIndex, const TsSkinModel* model,
                       View24 bitmap, Point offset, const Rect& rect, int state, bool cornersOnBackground,
                       const TsBgSource& bg, int borderMaskIndex)
{
    if (!CanPaint(model, sectionIndex, bitmap, rect))
        return;
    PaintSectionBackgroundFast(sectionIndex, bg, hotTextureIndex, textureIndex, model, bitmap, offset, rect,
                               state != 0);
    if (const TsMaskData* border = MaskAt(*model, borderMaskIndex))
        DrawBorderMask(bitmap, rect, true, cornersOnBackground, state, *border, ShiftedBg(bg, offset));
}
