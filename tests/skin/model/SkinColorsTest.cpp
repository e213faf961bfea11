#include <gtest/gtest.h>

#include <climits>

#include "skin/model/SkinColors.h"

namespace {

constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kGreen = 0x00FF00;
constexpr int32_t kBlue = 0xFF0000;

uint32_t FixedSystemColour(int index)
{
    return index == 15 ? 0x123456 : 0;
}

}  // namespace

TEST(SkinSystemColours, TopByteFFNamesASystemColour)
{
    EXPECT_EQ(ResolveSkinColor(0x414141), 0x414141);
    EXPECT_EQ(ResolveSkinColor(int32_t(0xFF00000F)), 0xF0F0F0) << "the default button face";
    SetSystemColorLookup(&FixedSystemColour);
    EXPECT_EQ(ResolveSkinColor(int32_t(0xFF00000F)), 0x123456);
    SetSystemColorLookup(nullptr);
    EXPECT_EQ(ResolveSkinColor(int32_t(0xFF00000F)), 0xF0F0F0);
    EXPECT_EQ(ResolveSkinColor(0x1FFFFFFF), 0xFFFFFF) << "clNone is no system colour";
}

TEST(SkinHue, TurnsPrimariesAndWrapsBothWays)
{
    EXPECT_EQ(ShiftHue(kRed, 120), kGreen);
    EXPECT_EQ(ShiftHue(kRed, 240), kBlue);
    EXPECT_EQ(ShiftHue(kRed, -120), kBlue) << "negative angles are normalised before the sectors";
    EXPECT_EQ(ShiftHue(kGreen, 480), kBlue);
    EXPECT_EQ(ShiftHue(kRed, 360), kRed);
    EXPECT_EQ(ShiftHue(0x00FFFF, 60), kGreen) << "yellow is 60 degrees before green";
    EXPECT_EQ(ShiftHue(kRed, INT_MAX), ShiftHue(kRed, INT_MAX % 360));
}

TEST(SkinHue, GreysFuchsiaAndZeroOffsetStay)
{
    EXPECT_EQ(ShiftHue(0x808080, 90), 0x808080);
    EXPECT_EQ(ShiftHue(0, 90), 0);
    EXPECT_EQ(ShiftHue(kSkinKeyColor, 90), kSkinKeyColor);
    EXPECT_EQ(ShiftHue(0x4A78A8, 0), 0x4A78A8);
}

TEST(SkinSaturation, MinusHundredGreysAndPlusSaturates)
{
    EXPECT_EQ(ChangeSaturation(0x0000FF, -100), 0x555555);
    EXPECT_EQ(ChangeSaturation(0x4080C0, 0), 0x4080C0);
    EXPECT_EQ(ChangeSaturation(0x4080C0, 100), 0x0080FF) << "channels move away from their average, clipped";
    EXPECT_EQ(ChangeSaturation(0x4080C0, 101), 0x4080C0) << "the amount is taken modulo 101";
    EXPECT_EQ(ChangeSaturation(0x4080C0, -201), ChangeSaturation(0x4080C0, -100));
    EXPECT_EQ(ChangeSaturation(kSkinKeyColor, -100), kSkinKeyColor);
    EXPECT_NO_FATAL_FAILURE(ChangeSaturation(0x4080C0, INT_MIN));
}

TEST(SkinSaturation, ImagesKeepFuchsiaAndGreys)
{
    Image24 image(3, 1);
    image.At(0, 0) = {255, 0, 255};
    image.At(1, 0) = {10, 200, 30};
    image.At(2, 0) = {90, 90, 90};
    ChangeSaturation(image.View(), -100);
    EXPECT_EQ(image.At(0, 0), (Rgb24{255, 0, 255}));
    EXPECT_EQ(image.At(1, 0), (Rgb24{80, 80, 80}));
    EXPECT_EQ(image.At(2, 0), (Rgb24{90, 90, 90}));
    ShiftHue(image.View(), 77);
    EXPECT_EQ(image.At(0, 0), (Rgb24{255, 0, 255}));
}
