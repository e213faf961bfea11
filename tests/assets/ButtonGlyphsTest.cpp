#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "gfx/BmpEncoder.h"
#include "glyphs/GlyphArt.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Rgb24 Colour(const Bgra32& p)
{
    return {p.b, p.g, p.r};
}

int CountColour(const Image32& image, Rgb24 colour)
{
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            count += Colour(image.At(x, y)) == colour;
    return count;
}

TEST(ButtonGlyphs, CommittedPicturesAreWhatTheGeneratorDraws)
{
    for (const ButtonGlyph& glyph : ButtonGlyphs()) {
        std::vector<std::uint8_t> committed =
            ReadFile(PVX_SOURCE_DIR "/assets/glyphs/" + std::string(glyph.fileName));
        ASSERT_FALSE(committed.empty()) << glyph.fileName;
        EXPECT_TRUE(committed == EncodeBmp32(glyph.draw()))
            << glyph.fileName
            << ": regenerate with build/native/assets/glyphs/pvx_generate_glyphs assets/glyphs";
    }
}

TEST(ButtonGlyphs, AllAre32By32)
{
    for (const ButtonGlyph& glyph : ButtonGlyphs()) {
        Image32 image = glyph.draw();
        EXPECT_EQ(image.Width(), 32) << glyph.fileName;
        EXPECT_EQ(image.Height(), 32) << glyph.fileName;
    }
}

TEST(ButtonGlyphs, DiscAndWindowsGlyphsHaveAPureBlackKeyAndNoOtherBlack)
{
    for (Image32 (*draw)() : {DrawCompareGlyph, DrawAboutGlyph, DrawCloseGlyph}) {
        Image32 image = draw();
        Rgb24 key = Colour(image.At(0, 31));
        EXPECT_EQ(key, (Rgb24{0, 0, 0}));
        // Every black pixel is background: fully transparent, and no drawn
        // pixel happens to be black.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                EXPECT_EQ(Colour(image.At(x, y)) == key, image.At(x, y).a == 0) << x << "," << y;
        EXPECT_GT(CountColour(image, key), 32 * 4) << "there is background to show through";
        EXPECT_LT(CountColour(image, key), 32 * 32 / 2);
    }
}

TEST(ButtonGlyphs, ClearFieldsKeyIsAUniqueBlueInTheCorner)
{
    Image32 image = DrawClearFieldsGlyph();
    Rgb24 key = Colour(image.At(0, 31));
    EXPECT_EQ(key, Colour(ClearFieldsKey));
    EXPECT_GT(key.b, 2 * std::max(key.r, key.g)) << "a blue";
    EXPECT_EQ(CountColour(image, key), 1) << "found nowhere else";
}

TEST(ButtonGlyphs, EncodedAsUncompressed32BitBottomUpBmp)
{
    Image32 image(2, 2, Bgra32{1, 2, 3, 4});
    image.At(0, 1) = {9, 8, 7, 6};
    std::vector<std::uint8_t> bmp = EncodeBmp32(image);
    ASSERT_EQ(bmp.size(), 54u + 16u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(bmp[10], 54);  // pixels start after the two headers
    EXPECT_EQ(bmp[28], 32);  // bits per pixel
    EXPECT_EQ(bmp[30], 0);   // no compression
    EXPECT_EQ(bmp[54], 9) << "the first row stored is the bottom one";
    EXPECT_EQ(bmp[57], 6);
}

}  // namespace
