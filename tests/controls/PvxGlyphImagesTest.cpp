#include <gtest/gtest.h>

#include "controls/PvxGlyphImages.h"

namespace {

constexpr Rgb24 Key{0, 0, 0};
constexpr Rgb24 Red{0, 0, 255};
constexpr Rgb24 White{255, 255, 255};
constexpr Rgb24 Grey{128, 128, 128};

TEST(PvxNumGlyphs, TakenFromTheShapeOfWholeSquares)
{
    EXPECT_EQ(NumGlyphsForShape(32, 32, 3), 1);
    EXPECT_EQ(NumGlyphsForShape(64, 32, 1), 2);
    EXPECT_EQ(NumGlyphsForShape(160, 32, 1), 5);
    EXPECT_EQ(NumGlyphsForShape(192, 32, 3), 1) << "a ratio of 6 is too many";
    EXPECT_EQ(NumGlyphsForShape(50, 32, 3), 3) << "not a multiple: unchanged";
    EXPECT_EQ(NumGlyphsForShape(0, 0, 2), 2) << "no picture: unchanged";
}

TEST(PvxGlyphImageIndex, StripIsReadAsNormalDisabledHotAndPressed)
{
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Normal, 5, false), 0);
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Disabled, 5, false), 1);
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Hot, 5, false), 2);
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Pressed, 5, false), 4);
}

TEST(PvxGlyphImageIndex, StatesBeyondTheStripFallBack)
{
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Disabled, 1, false), 1) << "generated";
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Hot, 1, false), 0);
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Pressed, 2, false), 0);
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Pressed, 2, true), 2);
    EXPECT_EQ(GlyphImageIndex(6, 2, true), 4);
    EXPECT_EQ(GlyphImageIndex(TPvxDrawState::Hot, 3, false), 2);
}

Image24 Strip()
{
    // Three 2 x 2 images: red, white, grey; the bottom-left pixel is the key.
    Image24 strip(6, 2, Red);
    for (int y = 0; y < 2; ++y) {
        strip.At(2, y) = strip.At(3, y) = White;
        strip.At(4, y) = strip.At(5, y) = Grey;
    }
    strip.At(0, 1) = Key;
    return strip;
}

TEST(PvxCutGlyphImage, CutsOneImageOfTheStrip)
{
    Image24 strip = Strip();
    Image24 second = CutGlyphImage(strip.View(), 3, 1);
    ASSERT_EQ(second.Width(), 2);
    EXPECT_EQ(second.At(1, 1), White);
    EXPECT_EQ(CutGlyphImage(strip.View(), 3, 2).At(0, 0), Grey);
    EXPECT_TRUE(CutGlyphImage(strip.View(), 3, 3).IsEmpty());
    EXPECT_TRUE(CutGlyphImage(strip.View(), 3, -1).IsEmpty());
    EXPECT_EQ(TransparentColorOf(strip.View()), Key);
    EXPECT_EQ(TransparentColorOf(Image24().View()), Key);
}

TEST(PvxMakeDisabledGlyph, EmbossesTheSilhouetteOnTheKeyColour)
{
    // A 4 x 4 picture with one 2 x 2 red square at (1, 1).
    Image24 picture(4, 4, Key);
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x)
            picture.At(x, y) = Red;
    Image24 d = MakeDisabledGlyph(picture.View(), Key, White, Grey);
    EXPECT_EQ(d.At(0, 0), Key);
    EXPECT_EQ(d.At(1, 1), Grey);
    EXPECT_EQ(d.At(2, 2), Grey) << "the shadow pass covers the highlight";
    EXPECT_EQ(d.At(3, 3), White) << "highlight one pixel right and down";
    EXPECT_EQ(d.At(3, 1), Key) << "(2,0) was key, so nothing shifts in here";
    EXPECT_EQ(d.At(3, 2), White);
    EXPECT_EQ(d.At(1, 3), Key) << "(0,2) was key";
}

TEST(PvxMakeDisabledGlyph, PixelsAtTheEdgeShiftOutOfThePicture)
{
    Image24 picture(2, 2, Red);
    picture.At(0, 1) = Key;
    Image24 d = MakeDisabledGlyph(picture.View(), Key, White, Grey);
    EXPECT_EQ(d.At(0, 1), Key);
    EXPECT_EQ(d.At(1, 1), Grey);
}

TEST(PvxKeyMaskBits, SetBitsMarkTransparentPixelsInPaddedRows)
{
    Image24 picture(10, 2, Red);
    picture.At(0, 0) = Key;
    picture.At(9, 1) = Key;
    std::vector<uint8_t> bits = KeyMaskBits(picture.View(), Key, 2);
    ASSERT_EQ(bits.size(), 4u) << "10 pixels take 2 bytes, already even";
    EXPECT_EQ(bits[0], 0x80);
    EXPECT_EQ(bits[1], 0x00);
    EXPECT_EQ(bits[2], 0x00);
    EXPECT_EQ(bits[3], 0x40);
    EXPECT_EQ(KeyMaskBits(Image24(3, 1, Key).View(), Key, 4).size(), 4u);
}

TEST(PvxBlackenKeyPixels, OnlyKeyPixelsTurnBlack)
{
    Image24 picture(2, 1, Red);
    Rgb24 fuchsia{255, 0, 255};
    picture.At(1, 0) = fuchsia;
    Image24 out = BlackenKeyPixels(picture.View(), fuchsia);
    EXPECT_EQ(out.At(0, 0), Red);
    EXPECT_EQ(out.At(1, 0), (Rgb24{0, 0, 0}));
}

TEST(PvxDropAlpha, KeepsColourIgnoresAlpha)
{
    Image32 picture(1, 1, Bgra32{1, 2, 3, 0});
    Image24 out = DropAlpha(picture.View());
    EXPECT_EQ(out.At(0, 0), (Rgb24{1, 2, 3}));
}

}  // namespace
