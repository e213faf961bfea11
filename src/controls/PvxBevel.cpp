#include "controls/PvxBevel.h"

#include "toolkit/Canvas.h"
#include "toolkit/Handles.h"

namespace {

void Fill(HDC dc, const Rect& r, TColor color)
{
    if (r.IsEmpty())
        return;
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
    RECT rc = ToRECT(r);
    FillRect(dc, &rc, brush.Get());
}

// One ring along r: top and left in `topLeft`, bottom and right in `bottomRight`
// (which also takes the top-right and bottom-left corners).
void Ring(HDC dc, const Rect& r, TColor topLeft, TColor bottomRight)
{
    Fill(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    Fill(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

UINT EdgeOf(TPvxEdgeStyle style)
{
    switch (style) {
    case TPvxEdgeStyle::etBump: return EDGE_BUMP;
    case TPvxEdgeStyle::etRaised: return EDGE_RAISED;
    case TPvxEdgeStyle::etSunken: return EDGE_SUNKEN;
    case TPvxEdgeStyle::etEtched: break;
    }
    return EDGE_ETCHED;
}

UINT SidesOf(TPvxBorderSides sides)
{
    UINT flags = 0;
    if (sides & fsLeft) flags |= BF_LEFT;
    if (sides & fsTop) flags |= BF_TOP;
    if (sides & fsRight) flags |= BF_RIGHT;
    if (sides & fsBottom) flags |= BF_BOTTOM;
    return flags;
}

}  // namespace

void TPvxBevel::SetStyles(TPvxBevelStyle value, TPvxBevelStyle& other, TPvxBevelStyle& field)
{
    bool wasShadow = field == TPvxBevelStyle::bvShadow;
    field = value;
    if (value == TPvxBevelStyle::bvShadow)
        other = TPvxBevelStyle::bvShadow;
    else if (wasShadow && other == TPvxBevelStyle::bvShadow)
        other = TPvxBevelStyle::bvNone;
    if (OnChange)
        OnChange();
}

void TPvxBevel::Draw(HDC dc, const Rect& bounds, TColor labelColor, bool transparent) const
{
    bool paintBorders = !transparent && borderColor_ != labelColor;
    RECT r = ToRECT(bounds);
    int inner = shape_.borderInnerWidth;
    switch (shape_.mode) {
    case TPvxBevelMode::bmCustom:
        DrawCustom(dc, bounds, paintBorders);
        return;
    case TPvxBevelMode::bmWindows:
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        break;
    case TPvxBevelMode::bmEdge:
        if (shape_.borderSides)
            DrawEdge(dc, &r, EdgeOf(edgeStyle_), SidesOf(shape_.borderSides));
        break;
    case TPvxBevelMode::bmStandard:
        switch (shape_.standardStyle) {
        case TPvxStandardBevel::lsNone: break;
        case TPvxStandardBevel::lsSingle: Ring(dc, bounds, clWindowFrame, clWindowFrame); break;
        case TPvxStandardBevel::lsSingleRaised: Ring(dc, bounds, lightColor_, shadowColor_); break;
        case TPvxStandardBevel::lsSingleLowered: Ring(dc, bounds, shadowColor_, lightColor_); break;
        case TPvxStandardBevel::lsDouble:
            Ring(dc, bounds, clWindowFrame, clWindowFrame);
            Ring(dc, bounds.Inflated(-1, -1), clWindowFrame, clWindowFrame);
            break;
        case TPvxStandardBevel::lsDoubleRaised: DrawEdge(dc, &r, EDGE_RAISED, BF_RECT); break;
        case TPvxStandardBevel::lsDoubleLowered: DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT); break;
        }
        break;
    }
    if (paintBorders) {
        int outer = Extent() - inner;
        DrawBorderRings(dc, bounds.Inflated(-outer, -outer), inner);
    }
}

void TPvxBevel::DrawCustom(HDC dc, const Rect& bounds, bool paintBorders) const
{
    for (const TPvxBevelBand& band : CustomBevelBands(bounds, shape_)) {
        if (band.kind == TPvxBevelBand::Kind::Style)
            DrawStyleBand(dc, band);
        else if (paintBorders)
            DrawBorderRings(dc, band.outer, band.width);
    }
}

void TPvxBevel::DrawStyleBand(HDC dc, const TPvxBevelBand& band) const
{
    for (int i = 0; i < band.width; ++i) {
        Rect r = band.outer.Inflated(-i, -i);
        bool last = i == band.width - 1;
        switch (band.style) {
        case TPvxBevelStyle::bvRaised: Ring(dc, r, lightColor_, shadowColor_); break;
        case TPvxBevelStyle::bvLowered: Ring(dc, r, shadowColor_, lightColor_); break;
        case TPvxBevelStyle::bvNormal: Ring(dc, r, clBlack, clBlack); break;
        // The frame styles are etched: the style's rings, then one ring turned round.
        case TPvxBevelStyle::bvFrameLowered:
            Ring(dc, r, last ? lightColor_ : shadowColor_, last ? shadowColor_ : lightColor_);
            break;
        case TPvxBevelStyle::bvFrameRaised:
            Ring(dc, r, last ? shadowColor_ : lightColor_, last ? lightColor_ : shadowColor_);
            break;
        case TPvxBevelStyle::bvShadow:
            Fill(dc, {r.left + 1, r.bottom - 1, r.right, r.bottom}, shadowColor_);
            Fill(dc, {r.right - 1, r.top + 1, r.right, r.bottom}, shadowColor_);
            break;
        case TPvxBevelStyle::bvNone:
        case TPvxBevelStyle::bvSpace:
            break;
        }
    }
}

void TPvxBevel::DrawBorderRings(HDC dc, Rect outer, int width) const
{
    for (int i = 0; i < width; ++i)
        Ring(dc, outer.Inflated(-i, -i), borderColor_, borderColor_);
}
