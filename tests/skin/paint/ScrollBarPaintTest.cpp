// The scroll-bar painter: what goes where along a bar, the states each part
// shows, and the pixels of a small skin whose parts are plain colours.

#include <gtest/gtest.h>

#include "skin/paint/PaintTestImages.h"
#include "skin/paint/PaintTestSkin.h"
#include "skin/paint/ScrollBarPaint.h"

namespace {

// Tracks red before and green after the thumb (yellow when held), arrow
// buttons black (white when hot or pressed) with a 1 x 1 blue glyph in the
// first arrow, the thumb blue (yellow when hot); the horizontal track black.
const char* const kBarSections =
    "[SCROLLBAR1V]\r\nCOLOR=255\r\nHOTCOLOR=65535\r\n"
    "[SCROLLBAR2V]\r\nCOLOR=65280\r\nHOTCOLOR=65535\r\n"
    "[SCROLLBAR1H]\r\nCOLOR=0\r\n"
    "[SCROLLBTNTOP]\r\nCOLOR=0\r\nHOTCOLOR=16777215\r\nGLYPHMASK=@0000@0000@0003@0001@3@0\r\n"
    "[SCROLLBTNBOTTOM]\r\nCOLOR=0\r\nHOTCOLOR=16777215\r\n"
    "[SCROLLSLIDERV]\r\nCOLOR=16711680\r\nHOTCOLOR=65535\r\n"
    "[SCROLLBTNLEFT]\r\nRESERVEDBOOLEAN=TRUE\r\nBORDERSMASK=^0000^0001^0012^0005^0001^0001^0001^0001^3^0^1^0\r\n";

const TsSkinModel& BarSkin()
{
    static const std::unique_ptr<TsSkinModel> skin = [] {
        Image24 master = Picture({"UUUYYYYYYYYY", "999999999999", "999999999999", "999999999999",
                                  "999999999999"});
        return SkinWithMaster(kBarSections, master.View());
    }();
    return *skin;
}

// The colours down a vertical bar 3 wide (its middle column), as letters.
std::string Column(const Image24& bar)
{
    std::string letters;
    for (const std::string& row : Letters(bar.View()))
        letters += row[1];
    return letters;
}

Image24 PaintVertical(const TsBarPlan& plan, int length, const TsBgSource& behind = BgFromColor(0xFFFFFF))
{
    Image24 bar = Solid(3, length, RGB(25, 25, 25));
    PaintScrollBar(bar.View(), kBarVertical, TsScrollBarSkin::Resolve(&BarSkin(), kBarVertical), plan, behind);
    return bar;
}

}  // namespace

TEST(BarStates, PressedArrowsAndTrackHalvesShowState2HoveredArrowsAndThumbState1)
{
    EXPECT_EQ(BarStatesOf(kPartNone, kPartNone), TsBarStates{});
    EXPECT_EQ(BarStatesOf(kPartFirstArrow, kPartNone), (TsBarStates{1, 0, 0, 0, 0}));
    EXPECT_EQ(BarStatesOf(kPartSecondArrow, kPartSecondArrow), (TsBarStates{0, 2, 0, 0, 0}));
    EXPECT_EQ(BarStatesOf(kPartFirstArrow, kPartSecondArrow), (TsBarStates{1, 2, 0, 0, 0}));
    EXPECT_EQ(BarStatesOf(kPartTrackBefore, kPartTrackBefore), (TsBarStates{0, 0, 2, 0, 0})) << "no hot track";
    EXPECT_EQ(BarStatesOf(kPartTrackAfter, kPartTrackAfter), (TsBarStates{0, 0, 0, 2, 0}));
    EXPECT_EQ(BarStatesOf(kPartThumb, kPartThumb), (TsBarStates{0, 0, 0, 0, 1})) << "the thumb is only hot";
}

TEST(PlanBar, TheTracksMeetUnderTheThumbsCentre)
{
    // Track 24, thumb max(2, 10) = 10 at offset 45 x 14 / 90 = 7.
    TsBarPlan plan = PlanBar(TsScrollInfo{0, 99, 10, 45}, 30, 3, 3, {}, true);
    EXPECT_TRUE(plan.ShowThumb);
    EXPECT_EQ(plan.ThumbStart, 10);
    EXPECT_EQ(plan.ThumbLength, 10);
    EXPECT_EQ(plan.Split, 15);
    EXPECT_EQ(plan.FirstButtonEnd, 3);
    EXPECT_EQ(plan.SecondButtonStart, 27);
}

TEST(PlanBar, NoThumbWhenDisabledEmptyOrLongerThanTheTrack)
{
    EXPECT_FALSE(PlanBar(TsScrollInfo{0, 99, 10, 0}, 30, 3, 3, {}, false).ShowThumb) << "disabled";
    EXPECT_FALSE(PlanBar(TsScrollInfo{-2147483647 - 1, 2147483647, 10, 0}, 30, 3, 3, {}, true).ShowThumb) << "length 0";
    // Nominal max(10 x 24 / 9, 10) = 27 is longer than the 24-pixel track.
    EXPECT_FALSE(PlanBar(TsScrollInfo{0, 9, 10, 0}, 30, 3, 3, {}, true).ShowThumb);
    // Longer painted arrows leave a shorter track for the nominal length: max(10 x 14 / 20, 10) = 10 <= 14.
    EXPECT_TRUE(PlanBar(TsScrollInfo{0, 20, 10, 0}, 30, 8, 3, {}, true).ShowThumb);
    EXPECT_FALSE(PlanBar(TsScrollInfo{0, 20, 10, 0}, 30, 11, 3, {}, true).ShowThumb) << "nominal 10 > track 8";
}

TEST(PlanBar, ABarShorterThanTwoArrowsIsTwoHalvesWithoutAThumb)
{
    TsBarPlan plan = PlanBar(TsScrollInfo{0, 99, 10, 45}, 9, 5, 5, BarStatesOf(kPartTrackAfter, kPartTrackAfter), true);
    EXPECT_FALSE(plan.ShowThumb);
    EXPECT_EQ(plan.Split, 4);
    EXPECT_EQ(plan.FirstButtonEnd, 4);
    EXPECT_EQ(plan.SecondButtonStart, 4);
    EXPECT_EQ(plan.States.TrackAfter, 0) << "the halves are normal tracks";
    // Each button covers its half; the glyph sits in the first one's 5-pixel square.
    EXPECT_EQ(Column(PaintVertical(plan, 9)), "BBUBBBBBB");
}

TEST(PaintScrollBar, ArrowsThumbAndTheTwoTrackHalves)
{
    TsBarPlan plan = PlanBar(TsScrollInfo{0, 99, 10, 45}, 30, 3, 3, {}, true);
    // Arrows 0..2 and 27..29 (the first with its blue glyph in the middle),
    // red from 3 to the split at 15 under the thumb at 10..19, then green.
    Image24 bar = PaintVertical(plan, 30);
    EXPECT_EQ(Column(bar), "BUBRRRRRRRUUUUUUUUUUGGGGGGGBBB");
    EXPECT_EQ(Letters(bar.View())[1], "BUB") << "the glyph is centred in the arrow's square";
}

TEST(PaintScrollBar, HotAndPressedPartsShowTheirStates)
{
    TsBarPlan hot = PlanBar(TsScrollInfo{0, 99, 10, 45}, 30, 3, 3, BarStatesOf(kPartThumb, kPartNone), true);
    EXPECT_EQ(Column(PaintVertical(hot, 30)), "BUBRRRRRRRYYYYYYYYYYGGGGGGGBBB");
    TsBarPlan held = PlanBar(TsScrollInfo{0, 99, 10, 45}, 30, 3, 3, BarStatesOf(kPartSecondArrow, kPartTrackAfter), true);
    EXPECT_EQ(Column(PaintVertical(held, 30)), "BUBRRRRRRRUUUUUUUUUUYYYYYYYWWW");
}

TEST(PaintScrollBar, ADraggedThumbIsPressedAndSplitsTheTrackAtItsCentre)
{
    TsBarPlan plan = PlanDraggedBar(30, 3, 3, 5, 10);
    // The split at 5 + 10 / 2; the thumb pressed (its hot colour).
    EXPECT_EQ(Column(PaintVertical(plan, 30)), "BUBRRYYYYYYYYYYGGGGGGGGGGGGBBB");
}

TEST(PaintScrollBar, ADisabledBarIsBlendedWithWhatLiesBehindIt)
{
    TsBarPlan plan = PlanBar(TsScrollInfo{0, 99, 10, 45}, 30, 3, 3, {}, false);
    ASSERT_FALSE(plan.ShowThumb);
    // Over a colour the vertical bar is tinted 60 % towards SCROLLBAR1H's colour (black here).
    Image24 tinted = PaintVertical(plan, 30);
    EXPECT_EQ(tinted.At(1, 20), RGB(0, 102, 0)) << "green at 40 %";
    EXPECT_EQ(tinted.At(1, 5), RGB(102, 0, 0));
    // Over a picture: 60 % of the picture, 40 % of the bar.
    Image24 behind = Solid(3, 30, RGB(250, 250, 250));
    Image24 faded = PaintVertical(plan, 30, BgFromImage(behind.View(), 0, 0));
    EXPECT_EQ(faded.At(1, 20), RGB(150, 252, 150));
}

TEST(PaintCornerBox, WhatLiesBehindWithTheGripInItsCorner)
{
    Image24 box = Solid(4, 3, RGB(25, 25, 25));
    PaintCornerBox(box.View(), BgFromColor(0x00FF00), nullptr);
    EXPECT_EQ(Letters(box.View()), (std::vector<std::string>{"GGGG", "GGGG", "GGGG"}));
    const TsMaskData& grip = MaskDataOf(PaintTestSkin(), "GRIP", "PATTERN");
    Image24 gripped = Solid(4, 3, RGB(25, 25, 25));
    PaintCornerBox(gripped.View(), BgFromColor(0x00FF00), &grip);
    // The grip's 2 x 2 frame at the bottom-right: its black dots, the rest blended through its mask.
    std::vector<std::string> rows = Letters(gripped.View());
    EXPECT_EQ(rows[0], "GGGG");
    EXPECT_EQ(rows[1].substr(0, 3), "GGB");
    EXPECT_EQ(rows[2].substr(0, 2), "GG");
    EXPECT_EQ(rows[2][3], 'B');
}

TEST(PaintedArrowLength, TheButtonImagesOwnWidthWhenTheSkinAsksForIt)
{
    EXPECT_EQ(PaintedArrowLength(BarSkin(), kBarHorizontal, 3), 4) << "12 / 3 frames";
    EXPECT_EQ(PaintedArrowLength(BarSkin(), kBarHorizontal, 17), 17) << "never shorter than the default";
    EXPECT_EQ(PaintedArrowLength(BarSkin(), kBarVertical, 3), 3) << "SCROLLBTNTOP has no border image";
    EXPECT_EQ(PaintedArrowLength(OpusSkin(), kBarHorizontal, 3), 3) << "the internal skin does not ask";
}

TEST(ScrollBarSkin, UnresolvedWithoutAModel)
{
    EXPECT_FALSE(TsScrollBarSkin::Resolve(nullptr, kBarVertical).IsValid());
    EXPECT_TRUE(TsScrollBarSkin::Resolve(&OpusSkin(), kBarVertical).IsValid());
    Image24 untouched = Solid(3, 10, RGB(25, 25, 25));
    PaintScrollBar(untouched.View(), kBarVertical, {}, PlanBar(TsScrollInfo{0, 9, 1, 0}, 10, 3, 3, {}, true), {});
    EXPECT_EQ(untouched.At(1, 5), RGB(25, 25, 25));
}
