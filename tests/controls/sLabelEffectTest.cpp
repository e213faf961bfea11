// The shadowed label's effect on tiny buffers: its margins, the in-place
// raster-order blur worked out by hand, the buffer's growth, and both blends.

#include <gtest/gtest.h>

#include "controls/sLabelEffect.h"

namespace {

constexpr Bgra32 Ink{255, 255, 255, 0};

TEST(LabelEffectMargins, GrowBothWaysByDistanceAndBlur)
{
    EXPECT_EQ(EffectMargins(1, 6).m1, -5);  // the internal skin's shadow
    EXPECT_EQ(EffectMargins(1, 6).m2, 7);
    EXPECT_EQ(EffectMargins(1, 4).m1, -3);  // a label's own defaults
    EXPECT_EQ(EffectMargins(1, 4).m2, 5);
    EXPECT_EQ(EffectMargins(3, -1).m1, 0) << "a negative blur count with a positive distance";
    EXPECT_EQ(EffectMargins(3, -1).m2, 2);
    EXPECT_EQ(EffectMargins(-2, 1).m1, -3);
    EXPECT_EQ(EffectMargins(-2, 1).m2, 0);
}

TEST(LabelEffectBlur, OnePassOverOneInkPixelUsesThisPasssValuesAboveAndLeft)
{
    Image32 stamp(3, 3);
    stamp.At(1, 1) = Ink;
    TsShadowAlpha alpha;
    alpha.Prepare(3, 3);
    alpha.Blur(stamp.View(), 1);
    // Row by row, each cell the mean of its four neighbours as they stand:
    // new values above and to the left, old ones below and to the right.
    const int expected[3][3] = {{0, 63, 15}, {63, 31, 11}, {15, 11, 5}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(alpha.Alpha(x, y), expected[y][x]) << x << "," << y;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(alpha.Cell(i, 0), 0) << "the outer ring stays 0";
        EXPECT_EQ(alpha.Cell(i, 4), 0);
        EXPECT_EQ(alpha.Cell(0, i), 0);
        EXPECT_EQ(alpha.Cell(4, i), 0);
    }
}

TEST(LabelEffectBlur, EachPassStampsTheTextAgainButNotAfterTheLast)
{
    Image32 stamp(1, 1, Ink);
    TsShadowAlpha alpha;
    alpha.Prepare(1, 1);
    alpha.Blur(stamp.View(), 2);
    EXPECT_EQ(alpha.Alpha(0, 0), 0) << "the lone cell's neighbours are the ring";
    Image32 wide(2, 1, Ink);
    alpha.Prepare(2, 1);
    alpha.Blur(wide.View(), 2);
    // Pass 1: (0 + 0 + 0 + 255) / 4 = 63, then (0 + 0 + 63 + 0) / 4 = 15.
    // Pass 2 stamps 255 again: 63, then 15.
    EXPECT_EQ(alpha.Alpha(0, 0), 63);
    EXPECT_EQ(alpha.Alpha(1, 0), 15);
}

TEST(LabelEffectBlur, NoPassesForZeroOrNegativeCountsLeaveTheBufferEmpty)
{
    Image32 stamp(2, 2, Ink);
    TsShadowAlpha alpha;
    for (int passes : {0, -3}) {
        alpha.Prepare(2, 2);
        alpha.Blur(stamp.View(), passes);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                EXPECT_EQ(alpha.Alpha(x, y), 0) << "passes " << passes;
    }
}

TEST(LabelEffectBlur, OnlyTheBlueByteCountsAsInk)
{
    Image32 stamp(2, 1);
    stamp.At(0, 0) = {0, 255, 255, 255};
    stamp.At(1, 0) = {1, 0, 0, 0};
    TsShadowAlpha alpha;
    alpha.Prepare(2, 1);
    alpha.Blur(stamp.View(), 1);
    EXPECT_EQ(alpha.Alpha(0, 0), 63) << "the right neighbour was stamped";
}

TEST(LabelEffectBuffer, GrowsToExactlyTwiceTheCellsAndNeverShrinks)
{
    TsShadowAlpha alpha;
    EXPECT_EQ(alpha.Capacity(), 0u);
    alpha.Prepare(10, 4);
    EXPECT_EQ(alpha.Capacity(), 2u * 12u * 6u);
    alpha.Prepare(3, 3);
    EXPECT_EQ(alpha.Capacity(), 2u * 12u * 6u);
    alpha.Prepare(0, 0);
    EXPECT_EQ(alpha.Capacity(), 2u * 12u * 6u);
    alpha.Prepare(20, 4);
    EXPECT_EQ(alpha.Capacity(), 2u * 22u * 6u);
}

TEST(LabelEffectBuffer, PreparingClearsWhatTheLastEffectLeft)
{
    Image32 big(6, 6, Ink);
    TsShadowAlpha alpha;
    alpha.Prepare(6, 6);
    alpha.Blur(big.View(), 3);
    ASSERT_GT(alpha.Alpha(2, 2), 0);
    Image32 empty(4, 4);
    alpha.Prepare(4, 4);
    alpha.Blur(empty.View(), 3);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(alpha.Alpha(x, y), 0);
}

TEST(LabelEffectBlend, OverThePictureBehindTheLabel)
{
    Image32 stamp(2, 1, Ink);
    TsShadowAlpha alpha;
    alpha.Prepare(2, 1);
    alpha.Blur(stamp.View(), 1);  // cells 63 and 15
    Image32 effect(2, 1, Bgra32{200, 100, 0, 77});
    BlendShadowOverPicture(effect.View(), alpha, Rgb24{136, 142, 145});
    EXPECT_EQ(effect.At(0, 0).b, (200 * 192 + 136 * 63) / 256);
    EXPECT_EQ(effect.At(0, 0).g, (100 * 192 + 142 * 63) / 256);
    EXPECT_EQ(effect.At(0, 0).r, (0 * 192 + 145 * 63) / 256);
    EXPECT_EQ(effect.At(1, 0).b, (200 * 240 + 136 * 15) / 256);
    EXPECT_EQ(effect.At(0, 0).a, 77) << "the fourth byte is left alone";
}

TEST(LabelEffectBlend, WithTheLabelsOwnColour)
{
    Image32 stamp(2, 1, Ink);
    TsShadowAlpha alpha;
    alpha.Prepare(2, 1);
    alpha.Blur(stamp.View(), 1);
    Image32 effect(2, 1, Bgra32{1, 2, 3, 9});
    BlendShadowWithColor(effect.View(), alpha, Rgb24{0, 0, 0}, Rgb24{255, 255, 255});
    EXPECT_EQ(effect.At(0, 0).b, 255 * 192 / 256) << "what was there does not count";
    EXPECT_EQ(effect.At(1, 0).r, 255 * 240 / 256);
    EXPECT_EQ(effect.At(1, 0).a, 9);
}

TEST(LabelEffectBlend, NoShadowKeepsNearlyAllOfThePicture)
{
    TsShadowAlpha alpha;
    alpha.Prepare(1, 1);
    Image32 effect(1, 1, Bgra32{255, 128, 1, 0});
    BlendShadowOverPicture(effect.View(), alpha, Rgb24{0, 0, 0});
    EXPECT_EQ(effect.At(0, 0), (Bgra32{254, 127, 0, 0})) << "(P x 255) div 256";
}

}  // namespace
