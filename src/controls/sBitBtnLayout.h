#pragma once
// Where a skinned push button puts its glyph and its caption.

#include "gfx/Geometry.h"

enum class TsGlyphLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TsBlockAlignment { taLeftJustify, taRightJustify, taCenter };

struct TsBitBtnLayoutInput {
    Size client;           // the button's size
    Size glyph;            // one image of the glyph; 0 x 0 without one
    Size caption;          // the measured caption; 0 x 0 when it is not shown or empty
    TsGlyphLayout layout = TsGlyphLayout::blGlyphLeft;
    TsBlockAlignment alignment = TsBlockAlignment::taCenter;
    int margin = -1;       // -1: the block is placed by the alignment
    int spacing = 4;
    bool pressed = false;  // the pressed look moves both one pixel right and down
    bool rightToLeft = false;
};

struct TsBitBtnLayout {
    Rect caption;  // the measured size at its place
    Point glyph;   // top-left corner of the glyph image
};

TsBitBtnLayout LayoutBitBtn(const TsBitBtnLayoutInput& in);
