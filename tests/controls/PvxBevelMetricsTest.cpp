#include <gtest/gtest.h>

#include "controls/PvxBevelMetrics.h"

namespace {

using B = TPvxBevelStyle;

TEST(PvxBevelExtent, DefaultCustomBevelTakesNothing)
{
    EXPECT_EQ(BevelExtent({}), 0);
}

TEST(PvxBevelExtent, CustomBevelAddsItsBands)
{
    TPvxBevelShape s;
    s.styleOuter = B::bvRaised;
    EXPECT_EQ(BevelExtent(s), 1);
    s.widthOuter = 3;
    s.styleInner = B::bvLowered;
    EXPECT_EQ(BevelExtent(s), 4);
    s.borderWidth = 2;
    s.borderInnerWidth = 1;
    EXPECT_EQ(BevelExtent(s), 7);
    s.styleInner = B::bvFrameRaised;
    EXPECT_EQ(BevelExtent(s), 8) << "a frame style takes one more";
}

TEST(PvxBevelExtent, BordersCountWithoutAnyStyle)
{
    TPvxBevelShape s;
    s.borderWidth = 2;
    s.borderInnerWidth = 3;
    EXPECT_EQ(BevelExtent(s), 5);
}

TEST(PvxBevelExtent, InnerShadowTakesItsWidthAndTheInnerBorder)
{
    TPvxBevelShape s;
    s.styleOuter = s.styleInner = B::bvShadow;
    s.widthInner = 4;
    s.widthOuter = 9;
    s.borderWidth = 7;
    s.borderInnerWidth = 1;
    EXPECT_EQ(BevelExtent(s), 5);
}

TEST(PvxBevelExtent, OtherModes)
{
    TPvxBevelShape s;
    s.mode = TPvxBevelMode::bmStandard;
    s.borderInnerWidth = 1;
    EXPECT_EQ(BevelExtent(s), 2) << "lsSingleLowered";
    s.standardStyle = TPvxStandardBevel::lsNone;
    EXPECT_EQ(BevelExtent(s), 1);
    s.standardStyle = TPvxStandardBevel::lsDoubleRaised;
    EXPECT_EQ(BevelExtent(s), 3);
    s.mode = TPvxBevelMode::bmEdge;
    EXPECT_EQ(BevelExtent(s), 3);
    s.borderSides = 0;
    EXPECT_EQ(BevelExtent(s), 1);
    s.mode = TPvxBevelMode::bmWindows;
    EXPECT_EQ(BevelExtent(s), 3);
}

TEST(PvxCustomBevelBands, OutsideInAndSkippingEmptyBands)
{
    TPvxBevelShape s;
    s.styleOuter = B::bvRaised;
    s.widthOuter = 2;
    s.borderWidth = 1;
    s.styleInner = B::bvFrameLowered;
    std::vector<TPvxBevelBand> bands = CustomBevelBands({0, 0, 50, 20}, s);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].style, B::bvRaised);
    EXPECT_EQ(bands[0].outer, (Rect{0, 0, 50, 20}));
    EXPECT_EQ(bands[1].kind, TPvxBevelBand::Kind::Border);
    EXPECT_EQ(bands[1].outer, (Rect{2, 2, 48, 18}));
    EXPECT_EQ(bands[2].style, B::bvFrameLowered);
    EXPECT_EQ(bands[2].width, 2);
    int total = 0;
    for (const TPvxBevelBand& b : bands)
        total += b.width;
    EXPECT_EQ(total, BevelExtent(s));
}

TEST(PvxAutoSizeForText, TextPlusBevelPlusOneEachSide)
{
    EXPECT_EQ(AutoSizeForText({29, 13}, 0), (Size{31, 15}));
    EXPECT_EQ(AutoSizeForText({29, 13}, 1), (Size{33, 17}));
}

}  // namespace
