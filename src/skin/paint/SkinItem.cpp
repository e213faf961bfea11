#include "skin/paint/SkinItem.h"

#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/SectionBackground.h"

namespace {

// The part of rect a painter may change, in the target's pixel coordinates.
Rect Drawable(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect)
{
    if (!section.IsValid() || rect.IsEmpty())
        return {};
    return target.ToPixels(rect).Intersected(target.Pixels().Bounds());
}

void DrawCornerImages(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, int state)
{
    View24 bitmap = target.Pixels();
    Rect r = target.ToPixels(rect);
    // Holes show the bitmap itself: what was painted under the corner.
    TsBgSource self = BgFromImage(bitmap, 0, 0);
    auto draw = [&](TsCorner corner, auto place) {
        if (const TsMaskData* m = section.Mask(section.CornerImages[corner]))
            DrawGlyphMask(bitmap, place(MaskFrameSize(*m)), state, self, *m, kGlyphNormal);
    };
    draw(kCornerTopLeft, [&](Size) { return Point{r.left, r.top}; });
    draw(kCornerTopRight, [&](Size f) { return Point{r.right - f.width, r.top}; });
    draw(kCornerBottomLeft, [&](Size f) { return Point{r.left, r.bottom - f.height}; });
    draw(kCornerBottomRight, [&](Size f) { return Point{r.right - f.width, r.bottom - f.height}; });
}

void DrawBorder(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, int state,
                bool fillCentre, bool cornersOnBackground)
{
    if (const TsMaskData* border = section.Border())
        DrawBorderMask(target.Pixels(), target.ToPixels(rect), fillCentre, cornersOnBackground, state, *border,
                       target.Behind());
}

}  // namespace

void PaintSkinItem(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, int state,
                   bool fillCentre)
{
    if (Drawable(target, section, rect).IsEmpty())
        return;
    PaintSectionBackground(target, section, rect, state != 0);
    DrawCornerImages(target, section, rect, state);
    DrawBorder(target, section, rect, state, fillCentre, true);
}

void PaintControlItem(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, int state,
                      const TsControlItemLook& look)
{
    if (Drawable(target, section, rect).IsEmpty())
        return;
    PaintSectionBackground(target, section, rect, state != 0, look.CustomColor);
    DrawBorder(target, section, rect, state, look.FillCentre, look.CornersOnBackground);
    DrawCornerImages(target, section, rect, state);
}

void PaintSkinItemFast(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, int state,
                       bool cornersOnBackground)
{
    if (Drawable(target, section, rect).IsEmpty())
        return;
    PaintSectionBackgroundFast(target, section, rect, state != 0);
    DrawBorder(target, section, rect, state, true, cornersOnBackground);
}
