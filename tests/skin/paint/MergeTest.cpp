// Weighted merges of one picture into another.

#include <gtest/gtest.h>

#include "gfx/Merge.h"
#include "skin/paint/PaintTestImages.h"

TEST(MergeBitmapRect, WeightTwoFiftyFiveKeepsTheTargetUpToRounding)
{
    Image24 target = Solid(2, 2, RGB(200, 100, 1));
    Image24 source = Solid(2, 2, RGB(0, 255, 255));
    MergeBitmapRect(target.View(), source.View(), 255, {0, 0}, source.View().Bounds());
    // (d x 255 + s x 0 + 127) div 256
    EXPECT_EQ(target.At(1, 1), RGB(199, 100, 1));
}

TEST(MergeBitmapRect, WeightZeroTakesTheSourceUpToRounding)
{
    Image24 target = Solid(2, 2, RGB(200, 100, 1));
    Image24 source = Solid(2, 2, RGB(0, 255, 7));
    MergeBitmapRect(target.View(), source.View(), 0, {0, 0}, source.View().Bounds());
    // (s x 255 + 127) div 256: 255 gives 254, 7 stays 7.
    EXPECT_EQ(target.At(0, 0), RGB(0, 254, 7));
}

TEST(MergeBitmapRect, AtWeightZeroByteValuesFrom128OnLoseOne)
{
    Image24 target = Solid(256, 2, RGB(0, 0, 0));
    Image24 source(256, 2);
    for (int x = 0; x < 256; ++x)
        source.At(x, 0) = source.At(x, 1) = RGB(x, x, x);
    MergeBitmapRect(target.View(), source.View(), 0, {0, 0}, source.View().Bounds());
    int changed = 0;
    for (int x = 0; x < 256; ++x)
        changed += target.At(x, 0).r != x;
    // (x x 255 + 127) >> 8 loses one for x = 128..255, as the formula says.
    EXPECT_EQ(changed, 128);
    EXPECT_EQ(target.At(127, 0).r, 127);
    EXPECT_EQ(target.At(255, 0).r, 254);
}

TEST(MergeBitmapRect, HalfWeightAveragesWithTheFormulasRounding)
{
    Image24 target = Solid(2, 2, RGB(100, 0, 255));
    Image24 source = Solid(2, 2, RGB(200, 255, 255));
    MergeBitmapRect(target.View(), source.View(), 128, {0, 0}, source.View().Bounds());
    // (100 x 128 + 200 x 127 + 127) >> 8 = 149; (255 x 127 + 127) >> 8 = 127; 255 x 255 + 127 >> 8 = 254
    EXPECT_EQ(target.At(0, 0), RGB(149, 127, 254));
}

TEST(MergeBitmapRect, NegativePositionsShiftTheOtherSide)
{
    Image24 target = Solid(3, 3, RGB(0, 0, 0));
    Image24 source = Picture({"RGU", "RGU", "RGU"});
    MergeBitmapRect(target.View(), source.View(), 0, {-1, 1}, source.View().Bounds());
    // Column 0 of the source falls left of the target; row 2 falls below it.
    EXPECT_EQ(target.At(0, 1), RGB(0, 254, 0));
    EXPECT_EQ(target.At(1, 1), RGB(0, 0, 254));
    EXPECT_EQ(target.At(2, 1), RGB(0, 0, 0));
    EXPECT_EQ(target.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(target.At(0, 2), RGB(0, 254, 0));

    Image24 again = Solid(3, 3, RGB(0, 0, 0));
    MergeBitmapRect(again.View(), source.View(), 0, {0, 0}, {-1, 0, 2, 3});
    EXPECT_EQ(again.At(0, 0), RGB(0, 0, 0)) << "the part of srcRect left of the source moves the target point";
    EXPECT_EQ(again.At(1, 0), RGB(254, 0, 0));
    EXPECT_EQ(again.At(2, 0), RGB(0, 254, 0));
}

TEST(MergeBitmapRect, NeedsPicturesOfTwoByTwo)
{
    Image24 target = Solid(1, 5, RGB(0, 0, 0));
    Image24 source = Solid(2, 2, RGB(255, 255, 255));
    MergeBitmapRect(target.View(), source.View(), 0, {0, 0}, source.View().Bounds());
    EXPECT_EQ(target.At(0, 0), RGB(0, 0, 0));
    Image24 wide = Solid(4, 4, RGB(0, 0, 0));
    Image24 thin = Solid(4, 1, RGB(255, 255, 255));
    MergeBitmapRect(wide.View(), thin.View(), 0, {0, 0}, thin.View().Bounds());
    EXPECT_EQ(wide.At(0, 0), RGB(0, 0, 0));
}

TEST(MergeBitmaps, NeedsEqualSizes)
{
    Image24 target = Solid(3, 2, RGB(0, 0, 0));
    Image24 other = Solid(2, 3, RGB(255, 255, 255));
    MergeBitmaps(target.View(), other.View(), 0);
    EXPECT_EQ(target.At(0, 0), RGB(0, 0, 0));
    Image24 same = Solid(3, 2, RGB(255, 255, 255));
    MergeBitmaps(target.View(), same.View(), 0);
    EXPECT_EQ(target.At(2, 1), RGB(254, 254, 254));
}
