#include <gtest/gtest.h>

#include "controls/PvxButtonLayout.h"

namespace {

TPvxGlyphTextInput MainWindowButton(Rect content, Size textBox)
{
    TPvxGlyphTextInput in;
    in.content = content;
    in.glyph = {32, 32};
    in.textBox = textBox;
    in.arrange = TPvxTextArrange::taBottom;
    in.alignment = TPvxAlignment::agCenter;
    return in;
}

TEST(PvxAlignment, MapsRowsAndColumnsToTextFormatFlags)
{
    const unsigned expected[] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(AlignmentTextFormat(TPvxAlignment(i)), expected[i]) << i;
}

TEST(PvxButtonLayout, DefaultsAndChangeNotification)
{
    TPvxButtonLayout layout;
    EXPECT_EQ(layout.Alignment(), TPvxAlignment::agCenter);
    EXPECT_EQ(layout.AlignText2Glyph(), TPvxTextArrange::taRight);
    EXPECT_EQ(layout.Spacing(), 2);
    EXPECT_EQ(layout.OffsetX(), 0);
    EXPECT_FALSE(layout.Arrow());
    EXPECT_EQ(layout.ArrowColor(), 0);
    EXPECT_EQ(layout.ArrowIndent(), 3);
    EXPECT_EQ(layout.ArrowPosition(), TPvxArrowPosition::apRightText);
    EXPECT_EQ(layout.ArrowSize(), 3);
    int changes = 0;
    layout.OnChange = [&] { ++changes; };
    layout.SetAlignText2Glyph(TPvxTextArrange::taBottom);
    layout.SetSpacing(4);
    layout.SetArrow(true);
    EXPECT_EQ(changes, 3);
}

TEST(PvxPlaceGlyphAndText, TextUnderGlyphInTheIdleClassicButton)
{
    // A caption measured 45 x 13: the text box is 47 x 15, the block 47 x 49.
    TPvxGlyphTextBoxes b = PlaceGlyphAndText(MainWindowButton({3, 3, 72, 54}, {47, 15}));
    int blockLeft = 3 + (69 - 47) / 2;
    EXPECT_EQ(b.glyph, Rect::FromSize(blockLeft + (47 - 32) / 2, 4, 32, 32));
    EXPECT_EQ(b.text, Rect::FromSize(blockLeft + 1, 39, 47, 15));
}

TEST(PvxPlaceGlyphAndText, NarrowTextIsCentredUnderTheGlyph)
{
    // "Close" measures narrower than the glyph: the glyph sets the width.
    TPvxGlyphTextBoxes b = PlaceGlyphAndText(MainWindowButton({3, 3, 72, 54}, {30, 15}));
    int blockLeft = 3 + (69 - 32) / 2;
    EXPECT_EQ(b.glyph.left, blockLeft);
    EXPECT_EQ(b.text.left, blockLeft + 1 + (32 - 30) / 2);
    EXPECT_EQ(b.text.top, 4 + 32 + 2 + 1);
}

TEST(PvxPlaceGlyphAndText, PressedAndThemedContentMoveTheBoxesWithIt)
{
    TPvxGlyphTextBoxes idle = PlaceGlyphAndText(MainWindowButton({3, 3, 72, 54}, {47, 15}));
    TPvxGlyphTextBoxes pressed = PlaceGlyphAndText(MainWindowButton({4, 4, 73, 55}, {47, 15}));
    EXPECT_EQ(pressed.glyph, idle.glyph.Translated(1, 1));
    EXPECT_EQ(pressed.text, idle.text.Translated(1, 1));
    TPvxGlyphTextBoxes themed = PlaceGlyphAndText(MainWindowButton({2, 2, 73, 55}, {47, 15}));
    EXPECT_EQ(themed.glyph.top, 2 + (53 - 49) / 2);
}

TEST(PvxPlaceGlyphAndText, AWideCaptionOverhangsTheContentEvenly)
{
    TPvxGlyphTextBoxes b = PlaceGlyphAndText(MainWindowButton({3, 3, 72, 54}, {101, 15}));
    Rect block{b.text.left - 1, 0, b.text.right - 1, 0};
    EXPECT_EQ(block.left, 3 + (69 - 101) / 2);
    EXPECT_EQ(3 - block.left, block.right - 72) << "16 pixels out on either side";
    EXPECT_EQ(b.glyph.left, block.left + (101 - 32) / 2);
}

TEST(PvxPlaceGlyphAndText, OffsetsMoveBothBoxes)
{
    TPvxGlyphTextInput in = MainWindowButton({3, 3, 72, 54}, {47, 15});
    TPvxGlyphTextBoxes plain = PlaceGlyphAndText(in);
    in.offset = {5, -2};
    TPvxGlyphTextBoxes moved = PlaceGlyphAndText(in);
    EXPECT_EQ(moved.glyph, plain.glyph.Translated(5, -2));
    EXPECT_EQ(moved.text, plain.text.Translated(5, -2));
}

TEST(PvxPlaceGlyphAndText, NoGlyphMeansNoSpacingAndAnEmptyGlyphBox)
{
    TPvxGlyphTextInput in = MainWindowButton({0, 0, 100, 40}, {5, 15});
    in.glyph = {};
    TPvxGlyphTextBoxes b = PlaceGlyphAndText(in);
    EXPECT_TRUE(b.glyph.IsEmpty());
    EXPECT_EQ(b.text, Rect::FromSize((100 - 5) / 2 + 1, (40 - 15) / 2 + 1, 5, 15));
}

TEST(PvxGlyphTextSpacing, SpacingOnlyWhenBothOrNeitherArePresent)
{
    EXPECT_EQ(GlyphTextSpacing(true, true, 2), 2);
    EXPECT_EQ(GlyphTextSpacing(false, false, 2), 2);
    EXPECT_EQ(GlyphTextSpacing(true, false, 2), 0);
    EXPECT_EQ(GlyphTextSpacing(false, true, 2), 0);
}

TEST(PvxCaptionWrapWidth, IsTheDistanceLeftBesideTheGlyph)
{
    EXPECT_EQ(CaptionWrapWidth(69, 2, 32), 35);
    EXPECT_EQ(CaptionWrapWidth(20, 2, 32), 14);
}

TEST(PvxPlaceGlyphAndText, CornersOfTheContentRectangle)
{
    TPvxGlyphTextInput in;
    in.content = {3, 3, 72, 54};
    in.glyph = {10, 10};
    in.textBox = {5, 15};
    in.arrange = TPvxTextArrange::taBottomLeft;
    in.alignment = TPvxAlignment::agTopLeft;
    EXPECT_EQ(PlaceGlyphAndText(in).glyph.left, 3);
    EXPECT_EQ(PlaceGlyphAndText(in).glyph.top, 3);
    in.arrange = TPvxTextArrange::taTop;  // glyph below the text
    in.alignment = TPvxAlignment::agBottomRight;
    TPvxGlyphTextBoxes b = PlaceGlyphAndText(in);
    EXPECT_EQ(b.glyph.right, 72);
    EXPECT_EQ(b.glyph.bottom, 54);
}

struct SideBySideCase {
    TPvxTextArrange arrange;
    Point glyph;  // in the block
    Point text;
};

TEST(PvxPlaceGlyphAndText, SideBySideArrangements)
{
    // Text box 20 x 15, glyph 16 x 32, spacing 2: block 38 x 32 at (0, 0).
    const SideBySideCase cases[] = {
        {TPvxTextArrange::taLeft, {22, 0}, {0, 8}},
        {TPvxTextArrange::taLeftTop, {22, 0}, {0, 0}},
        {TPvxTextArrange::taRight, {0, 0}, {18, 8}},
        {TPvxTextArrange::taRightTop, {0, 0}, {18, 0}},
    };
    for (const SideBySideCase& c : cases) {
        TPvxGlyphTextInput in;
        in.content = {0, 0, 38, 32};
        in.glyph = {16, 32};
        in.textBox = {20, 15};
        in.arrange = c.arrange;
        TPvxGlyphTextBoxes b = PlaceGlyphAndText(in);
        EXPECT_EQ(b.glyph, Rect::FromSize(c.glyph.x, c.glyph.y, 16, 32)) << int(c.arrange);
        EXPECT_EQ(b.text, Rect::FromSize(c.text.x + 1, c.text.y + 1, 20, 15)) << int(c.arrange);
    }
}

TEST(PvxPlaceGlyphAndText, StackedArrangements)
{
    // Text box 40 x 15, glyph 32 x 32, spacing 2: block 40 x 49 at (0, 0).
    struct Case {
        TPvxTextArrange arrange;
        Point glyph;
        Point text;
    };
    const Case cases[] = {
        {TPvxTextArrange::taBottom, {4, 0}, {0, 34}},
        {TPvxTextArrange::taBottomLeft, {0, 0}, {0, 34}},
        {TPvxTextArrange::taTop, {4, 17}, {0, 0}},
        {TPvxTextArrange::taTopLeft, {0, 17}, {0, 0}},
    };
    for (const Case& c : cases) {
        TPvxGlyphTextInput in;
        in.content = {0, 0, 40, 49};
        in.glyph = {32, 32};
        in.textBox = {40, 15};
        in.arrange = c.arrange;
        TPvxGlyphTextBoxes b = PlaceGlyphAndText(in);
        EXPECT_EQ(b.glyph.left, c.glyph.x) << int(c.arrange);
        EXPECT_EQ(b.glyph.top, c.glyph.y) << int(c.arrange);
        EXPECT_EQ(b.text.left, c.text.x + 1) << int(c.arrange);
        EXPECT_EQ(b.text.top, c.text.y + 1) << int(c.arrange);
    }
}

TEST(PvxPlaceGlyphAndText, EveryAlignmentPlacesTheBlockByRowAndColumn)
{
    for (int i = 0; i < 9; ++i) {
        TPvxGlyphTextInput in;
        in.content = {10, 20, 110, 80};  // 100 x 60
        in.glyph = {20, 20};
        in.textBox = {20, 10};
        in.arrange = TPvxTextArrange::taBottom;
        in.alignment = TPvxAlignment(i);
        TPvxGlyphTextBoxes b = PlaceGlyphAndText(in);
        int column = i % 3;
        int row = i / 3;
        EXPECT_EQ(b.glyph.left, 10 + column * 40) << i;  // (100 - 20) / 2 per column
        EXPECT_EQ(b.glyph.top, 20 + row * 14) << i;      // (60 - 32) / 2 per row
    }
}

}  // namespace
