#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "about/AboutArt.h"
#include "gfx/BmpEncoder.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AboutArt, CommittedPicturesAreWhatTheGeneratorDraws)
{
    EXPECT_TRUE(ReadFile(PVX_SOURCE_DIR "/assets/about/AboutPicture.bmp") == EncodeBmp24(DrawAboutPicture()))
        << "regenerate with build/native/assets/about/GenerateAboutArt assets/about";
    EXPECT_TRUE(ReadFile(PVX_SOURCE_DIR "/assets/about/OkGlyph.bmp") == EncodeBmp24(DrawOkGlyph()));
}

TEST(AboutArt, OkGlyphHasTwoImagesOnItsKeyColour)
{
    Image24 glyph = DrawOkGlyph();
    ASSERT_EQ(glyph.Width(), 36);
    ASSERT_EQ(glyph.Height(), 18);
    Rgb24 key = glyph.At(0, 17);
    int normalInk = 0, disabledInk = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            normalInk += !(glyph.At(x, y) == key);
            disabledInk += !(glyph.At(18 + x, y) == key);
        }
    EXPECT_GT(normalInk, 20);
    EXPECT_GT(disabledInk, 20);
    EXPECT_EQ(glyph.At(18, 17), key) << "the disabled image keeps the key at its own corner";
}

TEST(AboutArt, PictureIs147By110)
{
    Image24 picture = DrawAboutPicture();
    EXPECT_EQ(picture.Width(), 147);
    EXPECT_EQ(picture.Height(), 110);
}

}  // namespace
