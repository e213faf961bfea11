#include "skin/paint/ScrollBarPaint.h"

#include <algorithm>

#include "gfx/Blit.h"
#include "gfx/FadeCopy.h"
#include "gfx/Tint.h"
#include "skin/layout/MulDiv.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/SkinItem.h"

namespace {

constexpr double kDisabledBarShare = 0.4;  // of the bar over what lies behind it
constexpr int kDisabledTintKeep = 40;      // percent of the bar kept when tinted

const TsMaskData* MaskAt(const TsSkinModel* model, int index)
{
    return model && model->IsValidMaskIndex(index) ? &model->Masks()[std::size_t(index)] : nullptr;
}

// A rectangle along the bar, across its whole thickness.
Rect Along(TsBarKind kind, int thickness, int from, int to)
{
    return kind == kBarHorizontal ? Rect{from, 0, to, thickness} : Rect{0, from, thickness, to};
}

// A section composed on its own bitmap over the bar at 'part', its glyph
// frame of the same state centred in 'glyphRoom' (part coordinates), then
// copied into the bar.
void PaintPiece(View24 bar, const Rect& part, const TsSectionRef& section, int state, const TsMaskData* glyph,
                const Rect& glyphRoom)
{
    Rect r = part.Intersected(bar.Bounds());
    if (r.IsEmpty())
        return;
    Image24 piece(part.Width(), part.Height());
    View24 pixels = piece.View();
    PaintSkinItemFast(TsPaintTarget(pixels, BgFromImage(bar, part.left, part.top)), section, pixels.Bounds(), state,
                      true);
    if (glyph) {
        Size frame = MaskFrameSize(*glyph);
        Point at{glyphRoom.left + (glyphRoom.Width() - frame.width) / 2,
                 glyphRoom.top + (glyphRoom.Height() - frame.height) / 2};
        DrawGlyphMask(pixels, at, state, BgFromImage(pixels, 0, 0), *glyph, kGlyphNormal);
    }
    CopyPixels(bar, {part.left, part.top}, pixels, pixels.Bounds());
}

void PaintButtons(View24 bar, TsBarKind kind, const TsScrollBarSkin& skin, const TsBarPlan& plan, int thickness)
{
    Rect first = Along(kind, thickness, 0, plan.FirstButtonEnd);
    Rect second = Along(kind, thickness, plan.SecondButtonStart, plan.Length);
    int secondLength = plan.Length - plan.SecondButtonStart;
    Rect firstRoom = Along(kind, thickness, 0, plan.ArrowRoom);
    Rect secondRoom = Along(kind, thickness, secondLength - plan.ArrowRoom, secondLength);
    PaintPiece(bar, first, skin.Button[0], plan.States.FirstArrow, skin.ButtonGlyph[0], firstRoom);
    PaintPiece(bar, second, skin.Button[1], plan.States.SecondArrow, skin.ButtonGlyph[1], secondRoom);
}

void BlendDisabled(View24 bar, TsBarKind kind, const TsScrollBarSkin& skin, const TsBgSource& behind)
{
    if (behind.HasImage()) {
        Rect under = bar.Bounds().Translated(behind.OffsetX, behind.OffsetY);
        // The background copied over the bar keeps kDisabledBarShare of the bar.
        FadeCopyRect(bar, {0, 0}, std::nullopt, kDisabledBarShare, under, behind.Image);
        return;
    }
    int32_t towards = kind == kBarHorizontal && behind.HasColor() ? behind.FillColor : skin.HorizontalTrackColor;
    TintRect(bar, bar.Bounds(), kDisabledTintKeep, SkinRgb(towards));
}

}  // namespace

TsScrollBarSkin TsScrollBarSkin::Resolve(const TsSkinModel* model, TsBarKind kind)
{
    TsScrollBarSkin skin;
    if (!model)
        return skin;
    const TsCommonIndexes& c = model->CommonIndexes();
    bool h = kind == kBarHorizontal;
    const TsSectionIndexes* track[2] = {h ? &c.ScrollBar1H : &c.ScrollBar1V, h ? &c.ScrollBar2H : &c.ScrollBar2V};
    const TsSectionIndexes* button[2] = {h ? &c.ScrollBtnLeft : &c.ScrollBtnTop,
                                         h ? &c.ScrollBtnRight : &c.ScrollBtnBottom};
    const TsSectionIndexes& slider = h ? c.ScrollSliderH : c.ScrollSliderV;
    for (int i = 0; i < 2; ++i) {
        skin.Track[i] = TsSectionRef::ResolveIndex(model, track[i]->Section);
        skin.Button[i] = TsSectionRef::ResolveIndex(model, button[i]->Section);
        skin.ButtonGlyph[i] = MaskAt(model, button[i]->GlyphMask);
    }
    skin.Slider = TsSectionRef::ResolveIndex(model, slider.Section);
    skin.SliderGlyph = MaskAt(model, slider.GlyphMask);
    if (model->IsValidSectionIndex(c.ScrollBar1H.Section))
        skin.HorizontalTrackColor = model->Sections()[std::size_t(c.ScrollBar1H.Section)].Color;
    return skin;
}

int PaintedArrowLength(const TsSkinModel& model, TsBarKind kind, int defaultArrow)
{
    const TsCommonIndexes& c = model.CommonIndexes();
    int left = c.ScrollBtnLeft.Section;
    if (!model.IsValidSectionIndex(left) || !model.Sections()[std::size_t(left)].ReservedBoolean)
        return defaultArrow;
    const TsMaskData* leftBorder = MaskAt(&model, c.ScrollBtnLeft.BorderMask);
    if (!leftBorder)
        return defaultArrow;
    if (kind == kBarHorizontal)
        return std::max(defaultArrow, leftBorder->Width() / std::max<int>(leftBorder->ImageCount, 1));
    const TsMaskData* topBorder = MaskAt(&model, c.ScrollBtnTop.BorderMask);
    if (!topBorder)
        return defaultArrow;
    return std::max(defaultArrow, topBorder->Height() / (topBorder->MaskType + 1));
}

TsBarStates BarStatesOf(int hoverPart, int shownPressedPart)
{
    auto arrow = [&](int part) { return shownPressedPart == part ? 2 : hoverPart == part ? 1 : 0; };
    TsBarStates s;
    s.FirstArrow = arrow(kPartFirstArrow);
    s.SecondArrow = arrow(kPartSecondArrow);
    s.TrackBefore = shownPressedPart == kPartTrackBefore ? 2 : 0;
    s.TrackAfter = shownPressedPart == kPartTrackAfter ? 2 : 0;
    s.Thumb = hoverPart == kPartThumb ? 1 : 0;
    return s;
}

TsBarPlan PlanBar(const TsScrollInfo& info, int length, int paintedArrow, int arrow, const TsBarStates& states,
                  bool enabled, int minThumb)
{
    TsBarPlan plan;
    plan.Length = length;
    plan.ArrowRoom = arrow;
    plan.States = states;
    plan.Enabled = enabled;
    if (2 * paintedArrow >= length) {
        plan.Split = plan.FirstButtonEnd = plan.SecondButtonStart = length / 2;
        plan.States.TrackBefore = plan.States.TrackAfter = 0;
        return plan;
    }
    TsThumb thumb = ThumbMetrics(info, {0, length, 0, 0}, arrow, minThumb);
    plan.Split = thumb.Start + thumb.Length / 2;
    plan.FirstButtonEnd = paintedArrow;
    plan.SecondButtonStart = length - paintedArrow;
    const int track = length - 2 * paintedArrow;
    int nominal = std::max(PlatformMulDiv(int32_t(info.Page), track, int32_t(int64_t(info.Max) - info.Min)), minThumb);
    plan.ShowThumb = enabled && thumb.Length > 0 && nominal <= track;
    plan.ThumbStart = thumb.Start;
    plan.ThumbLength = thumb.Length;
    return plan;
}

TsBarPlan PlanDraggedBar(int length, int paintedArrow, int arrow, int thumbStart, int thumbLength)
{
    TsBarPlan plan;
    plan.Length = length;
    plan.ArrowRoom = arrow;
    plan.Split = thumbStart + thumbLength / 2;
    plan.FirstButtonEnd = paintedArrow;
    plan.SecondButtonStart = length - paintedArrow;
    plan.ShowThumb = true;
    plan.ThumbStart = thumbStart;
    plan.ThumbLength = thumbLength;
    plan.States.Thumb = 2;  // a thumb image with fewer frames shows its last one
    return plan;
}

void PaintScrollBar(View24 bar, TsBarKind kind, const TsScrollBarSkin& skin, const TsBarPlan& plan,
                    const TsBgSource& behind)
{
    if (bar.IsEmpty() || !skin.IsValid())
        return;
    const int thickness = kind == kBarHorizontal ? bar.Height() : bar.Width();
    TsPaintTarget target(bar, behind);
    int split = std::clamp(plan.Split, 0, plan.Length);
    PaintSkinItemFast(target, skin.Track[0], Along(kind, thickness, 0, split), plan.States.TrackBefore, true);
    PaintSkinItemFast(target, skin.Track[1], Along(kind, thickness, split, plan.Length), plan.States.TrackAfter, true);
    PaintButtons(bar, kind, skin, plan, thickness);
    if (plan.ShowThumb) {
        Rect thumb = Along(kind, thickness, plan.ThumbStart, plan.ThumbStart + plan.ThumbLength);
        PaintPiece(bar, thumb, skin.Slider, plan.States.Thumb, skin.SliderGlyph,
                   {0, 0, thumb.Width(), thumb.Height()});
    }
    if (!plan.Enabled)
        BlendDisabled(bar, kind, skin, behind);
}

void PaintCornerBox(View24 box, const TsBgSource& behind, const TsMaskData* grip)
{
    if (box.IsEmpty())
        return;
    PaintBgInto(box, box.Bounds(), behind);
    if (!grip)
        return;
    Size frame = MaskFrameSize(*grip);
    DrawGlyphMask(box, {box.Width() - frame.width, box.Height() - frame.height}, 0, behind, *grip, kGlyphNormal);
}
