#include "controls/PvxBevelMetrics.h"

namespace {

bool IsFrameStyle(TPvxBevelStyle style)
{
    return style == TPvxBevelStyle::bvFrameLowered || style == TPvxBevelStyle::bvFrameRaised;
}

int StandardExtent(TPvxStandardBevel style)
{
    switch (style) {
    case TPvxStandardBevel::lsNone: return 0;
    case TPvxStandardBevel::lsSingle:
    case TPvxStandardBevel::lsSingleRaised:
    case TPvxStandardBevel::lsSingleLowered: return 1;
    default: return 2;
    }
}

int CustomExtent(const TPvxBevelShape& s)
{
    if (s.styleInner == TPvxBevelStyle::bvShadow)
        return s.widthInner + s.borderInnerWidth;
    return s.borderWidth + s.borderInnerWidth + BevelStyleWidth(s.styleOuter, s.widthOuter) +
           BevelStyleWidth(s.styleInner, s.widthInner);
}

}  // namespace

int BevelStyleWidth(TPvxBevelStyle style, int width)
{
    if (style == TPvxBevelStyle::bvNone)
        return 0;
    return width + (IsFrameStyle(style) ? 1 : 0);
}

int BevelExtent(const TPvxBevelShape& s)
{
    switch (s.mode) {
    case TPvxBevelMode::bmCustom: return CustomExtent(s);
    case TPvxBevelMode::bmStandard: return StandardExtent(s.standardStyle) + s.borderInnerWidth;
    case TPvxBevelMode::bmEdge: return (s.borderSides ? 2 : 0) + s.borderInnerWidth;
    case TPvxBevelMode::bmWindows: return s.borderInnerWidth + 2;
    }
    return 0;
}

std::vector<TPvxBevelBand> CustomBevelBands(const Rect& bounds, const TPvxBevelShape& s)
{
    std::vector<TPvxBevelBand> bands;
    Rect r = bounds;
    auto add = [&](TPvxBevelBand::Kind kind, TPvxBevelStyle style, int width) {
        if (width <= 0)
            return;
        bands.push_back({kind, style, r, width});
        r = r.Inflated(-width, -width);
    };
    using Kind = TPvxBevelBand::Kind;
    if (s.styleInner == TPvxBevelStyle::bvShadow) {
        add(Kind::Style, TPvxBevelStyle::bvShadow, s.widthInner);
        add(Kind::Border, TPvxBevelStyle::bvNone, s.borderInnerWidth);
        return bands;
    }
    add(Kind::Style, s.styleOuter, BevelStyleWidth(s.styleOuter, s.widthOuter));
    add(Kind::Border, TPvxBevelStyle::bvNone, s.borderWidth);
    add(Kind::Style, s.styleInner, BevelStyleWidth(s.styleInner, s.widthInner));
    add(Kind::Border, TPvxBevelStyle::bvNone, s.borderInnerWidth);
    return bands;
}

Size AutoSizeForText(Size measured, int bevelExtent)
{
    int margin = 2 * (bevelExtent + 1);
    return {measured.width + margin, measured.height + margin};
}
