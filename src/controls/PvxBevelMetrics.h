#pragma once
// The bevel around a label: its settings, how many pixels it takes from each
// side, and the bands it is drawn in, from the outside in. Pure geometry.

#include <vector>

#include "gfx/Geometry.h"

enum class TPvxBevelMode { bmCustom, bmStandard, bmEdge, bmWindows };

enum class TPvxBevelStyle {
    bvNone,
    bvLowered,
    bvRaised,
    bvFrameLowered,
    bvFrameRaised,
    bvNormal,
    bvShadow,
    bvSpace,
};

// The one-line looks of bmStandard: none, single (flat, raised or lowered) and
// double lines.
enum class TPvxStandardBevel {
    lsNone,
    lsSingle,
    lsSingleRaised,
    lsSingleLowered,
    lsDouble,
    lsDoubleRaised,
    lsDoubleLowered,
};

enum class TPvxEdgeStyle { etEtched, etBump, etRaised, etSunken };

enum TPvxBorderSide : unsigned { fsLeft = 1, fsTop = 2, fsRight = 4, fsBottom = 8 };
using TPvxBorderSides = unsigned;
constexpr TPvxBorderSides AllBorderSides = fsLeft | fsTop | fsRight | fsBottom;

struct TPvxBevelShape {
    TPvxBevelMode mode = TPvxBevelMode::bmCustom;
    TPvxBevelStyle styleOuter = TPvxBevelStyle::bvNone;
    TPvxBevelStyle styleInner = TPvxBevelStyle::bvNone;
    int widthOuter = 1;
    int widthInner = 1;
    int borderWidth = 0;
    int borderInnerWidth = 0;
    TPvxBorderSides borderSides = AllBorderSides;
    TPvxStandardBevel standardStyle = TPvxStandardBevel::lsSingleLowered;
};

// Pixels the bevel takes from each side of the label.
int BevelExtent(const TPvxBevelShape& shape);

// One band of a custom bevel: a style drawn over `width` rings, or a border
// of `width` rings in the border colour, starting at `outer`.
struct TPvxBevelBand {
    enum class Kind { Style, Border };
    Kind kind = Kind::Style;
    TPvxBevelStyle style = TPvxBevelStyle::bvNone;
    Rect outer;
    int width = 0;
};

// The bands of a bmCustom bevel from the outside in: the outer style, the
// outer border, the inner style, the inner border. Bands of no width are left
// out; together they take BevelExtent pixels from each side.
std::vector<TPvxBevelBand> CustomBevelBands(const Rect& bounds, const TPvxBevelShape& shape);

// Pixels a band of this style takes: its width, one more for the frame styles,
// none for bvNone.
int BevelStyleWidth(TPvxBevelStyle style, int width);

// Size of an auto-sized label: the measured text plus the bevel and one pixel
// on every side.
Size AutoSizeForText(Size measured, int bevelExtent);
