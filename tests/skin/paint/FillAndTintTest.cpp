// Colour mixing, solid fills, frame bands, tints and greys.

#include <gtest/gtest.h>

#include "gfx/ColorBlend.h"
#include "gfx/Gray.h"
#include "gfx/RectFill.h"
#include "gfx/Tint.h"
#include "skin/paint/PaintTestImages.h"

TEST(BlendColors, MixesEachChannelAndKeepsTheFirstColoursTopByte)
{
    EXPECT_EQ(BlendColors(0x0000FF, 0xFF0000, 1.0), 0x0000FF);
    EXPECT_EQ(BlendColors(0x0000FF, 0xFF0000, 0.0), 0xFF0000);
    // 0.4 x 200 + 0.6 x 100 = 140 in every channel.
    EXPECT_EQ(BlendColors(0xC8C8C8, 0x646464, 0.4), 0x8C8C8C);
    // 0.5 x 255 = 127.5 rounds up.
    EXPECT_EQ(BlendColors(0x0000FF, 0x000000, 0.5), 0x000080);
    EXPECT_EQ(uint32_t(BlendColors(int32_t(0xFF00000F), 0x000000, 1.0)), 0xFF00000Fu);
    EXPECT_EQ(BlendColors(0x414141, 0xEDEAE4, 0.4), 0xA8A6A3);  // 162.8, 166.4, 168.2
}

TEST(FillRectColor, FillsOnlyTheClippedRectangle)
{
    Image24 image = Solid(4, 3, RGB(0, 0, 0));
    FillRectColor(image.View(), {-2, 1, 2, 9}, RGB(255, 0, 0));
    EXPECT_EQ(Letters(image.View()), (std::vector<std::string>{"BBBB", "RRBB", "RRBB"}));
    FillRectColor(image.View(), {4, 0, 9, 9}, RGB(0, 255, 0));  // outside
    FillRectColor(image.View(), {2, 2, 2, 3}, RGB(0, 255, 0));  // empty
    EXPECT_EQ(Letters(image.View()), (std::vector<std::string>{"BBBB", "RRBB", "RRBB"}));
}

TEST(FillFrameBands, FillsFourBandsAndLeavesTheInside)
{
    Image24 image = Solid(6, 5, RGB(0, 0, 0));
    FillFrameBands(image.View(), {0, 0, 6, 5}, 1, 2, 2, 1, RGB(255, 255, 255));
    EXPECT_EQ(Letters(image.View()), (std::vector<std::string>{"WWWWWW", "WWWWWW", "WBBBWW", "WBBBWW", "WWWWWW"}));
}

TEST(FillFrameBands, BandsWiderThanTheRectangleStopAtItsEdge)
{
    Image24 image = Solid(4, 4, RGB(0, 0, 0));
    FillFrameBands(image.View(), {1, 1, 3, 3}, 5, 0, -3, 0, RGB(255, 255, 255));
    EXPECT_EQ(Letters(image.View()), (std::vector<std::string>{"BBBB", "BWWB", "BWWB", "BBBB"}));
}

TEST(TintRect, HundredPercentKeepsThePixelsAndZeroMakesThemTheColour)
{
    Image24 image = Picture({"R5", "9B"});
    Image24 before = image;
    TintRect(image.View(), image.View().Bounds(), 100, RGB(0, 0, 255));
    EXPECT_EQ(Letters(image.View()), Letters(before.View()));
    TintRect(image.View(), image.View().Bounds(), 0, RGB(0, 0, 255));
    EXPECT_EQ(Letters(image.View()), (std::vector<std::string>{"UU", "UU"}));
}

TEST(TintRect, RoundsTheMixAndStaysInsideTheRectangle)
{
    Image24 image = Solid(3, 1, RGB(101, 0, 255));
    TintRect(image.View(), {1, 0, 2, 1}, 50, RGB(0, 0, 0));
    EXPECT_EQ(image.At(0, 0), RGB(101, 0, 255));
    EXPECT_EQ(image.At(1, 0), RGB(51, 0, 128));  // 50.5 and 127.5 round up
    EXPECT_EQ(image.At(2, 0), RGB(101, 0, 255));
    TintRect(image.View(), {0, 0, 1, 1}, 30, RGB(200, 100, 0));
    EXPECT_EQ(image.At(0, 0), RGB(170, 70, 77));  // 30.3 + 140, 0 + 70, 76.5 + 0
}

TEST(TintRect, PercentsOutsideTheRangeAreClamped)
{
    Image24 image = Solid(1, 1, RGB(10, 20, 30));
    TintRect(image.View(), {0, 0, 1, 1}, 150, RGB(0, 0, 0));
    EXPECT_EQ(image.At(0, 0), RGB(10, 20, 30));
    TintRect(image.View(), {0, 0, 1, 1}, -5, RGB(1, 2, 3));
    EXPECT_EQ(image.At(0, 0), RGB(1, 2, 3));
}

TEST(MakeGray, TakesTheTruncatedMeanOfTheChannels)
{
    Image24 image = Picture({"RWK"});
    MakeGray(image.View());
    EXPECT_EQ(image.At(0, 0), RGB(85, 85, 85));
    EXPECT_EQ(image.At(1, 0), RGB(255, 255, 255));
    EXPECT_EQ(image.At(2, 0), RGB(170, 170, 170));
    Image24 odd = Solid(1, 1, RGB(1, 1, 0));
    MakeGray(odd.View());
    EXPECT_EQ(odd.At(0, 0), RGB(0, 0, 0));
}

TEST(MakeGray, ExceptLeavesTheKeptColour)
{
    Image24 image = Picture({"RKU"});
    MakeGrayExcept(image.View(), kFuchsia);
    EXPECT_EQ(image.At(0, 0), RGB(85, 85, 85));
    EXPECT_EQ(image.At(1, 0), kFuchsia);
    EXPECT_EQ(image.At(2, 0), RGB(85, 85, 85));
}
