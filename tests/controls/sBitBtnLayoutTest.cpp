// Where the skinned push button puts its glyph and caption.

#include <gtest/gtest.h>

#include "controls/sBitBtnLayout.h"

TEST(BitBtnLayout, AMainWindowButtonCentresItsCaption)
{
    for (int w : {50, 51, 66}) {
        TsBitBtnLayout l = LayoutBitBtn({{99, 25}, {}, {w, 13}});
        EXPECT_EQ(l.caption, Rect::FromSize((99 - w) / 2, (25 - 13 + 1) / 2, w, 13)) << w;
    }
    TsBitBtnLayoutInput pressed{{99, 25}, {}, {50, 13}};
    pressed.pressed = true;
    EXPECT_EQ(LayoutBitBtn(pressed).caption, Rect::FromSize(24 + 1, 6 + 1, 50, 13));
}

TEST(BitBtnLayout, TheAboutBoxOkButtonPutsItsGlyphBeforeItsCaption)
{
    for (int w : {14, 15}) {
        TsBitBtnLayout l = LayoutBitBtn({{75, 33}, {18, 18}, {w, 13}});
        int x = (75 - 18 - 4 - w) / 2;
        EXPECT_EQ(l.glyph, (Point{x, 7})) << w;
        EXPECT_EQ(l.caption, Rect::FromSize(x + 22, 10, w, 13)) << w;
    }
}

TEST(BitBtnLayout, OtherLayoutsAndAlignments)
{
    TsBitBtnLayoutInput in{{100, 60}, {20, 16}, {30, 13}};
    in.alignment = TsBlockAlignment::taLeftJustify;
    TsBitBtnLayout left = LayoutBitBtn(in);
    EXPECT_EQ(left.caption.left, 2 + 20 + 4) << "margin 2 when not centred";
    EXPECT_EQ(left.glyph, (Point{0, 22}));
    in.alignment = TsBlockAlignment::taRightJustify;
    EXPECT_EQ(LayoutBitBtn(in).caption.left, 100 - 2 - 30);
    in.layout = TsGlyphLayout::blGlyphRight;
    EXPECT_EQ(LayoutBitBtn(in).glyph.x, 100 - 20) << "margin 0 for a glyph when Margin is -1";
    in.layout = TsGlyphLayout::blGlyphTop;
    TsBitBtnLayout top = LayoutBitBtn(in);
    EXPECT_EQ(top.glyph, (Point{41, (60 - 16 - 4 - 13) / 2}));
    EXPECT_EQ(top.caption.top, top.glyph.y + 16 + 4);
    in.rightToLeft = true;
    in.layout = TsGlyphLayout::blGlyphLeft;
    in.alignment = TsBlockAlignment::taCenter;
    TsBitBtnLayout mirrored = LayoutBitBtn(in);
    EXPECT_GT(mirrored.glyph.x, mirrored.caption.left) << "right-to-left puts the glyph after the caption";
}
