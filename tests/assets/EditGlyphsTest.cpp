#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "editglyphs/EditGlyphArt.h"
#include "gfx/BmpEncoder.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EditGlyphs, CommittedPicturesAreWhatTheGeneratorDraws)
{
    for (const EditGlyph& glyph : EditGlyphs()) {
        std::string name = std::string(glyph.resourceName) + ".bmp";
        std::vector<std::uint8_t> committed = ReadFile(PVX_SOURCE_DIR "/assets/editglyphs/" + name);
        ASSERT_FALSE(committed.empty()) << name;
        EXPECT_TRUE(committed == EncodeBmp24(glyph.draw()))
            << name << ": regenerate with build/native/assets/editglyphs/pvx_generate_edit_glyphs assets/editglyphs";
    }
}

TEST(EditGlyphs, ThreeFramesOfPictureOverMask)
{
    for (const EditGlyph& glyph : EditGlyphs()) {
        Image24 image = glyph.draw();
        ASSERT_EQ(image.Width(), 60) << glyph.resourceName;
        ASSERT_EQ(image.Height(), 34) << glyph.resourceName;
        for (int frame = 0; frame < 3; ++frame) {
            int opaque = 0, clear = 0;
            for (int y = 0; y < 17; ++y)
                for (int x = frame * 20; x < frame * 20 + 20; ++x) {
                    Rgb24 picture = image.At(x, y), mask = image.At(x, y + 17);
                    EXPECT_TRUE(mask.b == mask.g && mask.g == mask.r) << "a grey mask";
                    if (mask.b == 255) {
                        EXPECT_EQ(picture, (Rgb24{0, 0, 0})) << glyph.resourceName << ": on black";
                    }
                    opaque += mask.b == 0;
                    clear += mask.b == 255;
                }
            EXPECT_GE(opaque, 8) << glyph.resourceName << " frame " << frame;
            EXPECT_GT(clear, 60) << glyph.resourceName << " frame " << frame;
        }
    }
}

// Counts the pixels of the first frame's picture that are mostly this hue.
int Count(const Image24& image, bool (*hue)(Rgb24))
{
    int n = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 20; ++x)
            n += image.At(x, y + 17).b == 0 && hue(image.At(x, y));
    return n;
}

TEST(EditGlyphs, TheOpenFileGlyphIsAYellowFolderUnderABlueArrow)
{
    Image24 glyph = DrawOpenFileGlyph();
    auto yellow = [](Rgb24 p) { return p.r > 180 && p.g > 150 && p.b < 120; };
    auto blue = [](Rgb24 p) { return p.b > 180 && p.r < 80; };
    EXPECT_GT(Count(glyph, yellow), 40);
    EXPECT_GT(Count(glyph, blue), 10);
    int blueBottom = 0, yellowTop = 17;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 20; ++x) {
            if (glyph.At(x, y + 17).b != 0)
                continue;
            if (blue(glyph.At(x, y)))
                blueBottom = std::max(blueBottom, y);
            if (yellow(glyph.At(x, y)))
                yellowTop = std::min(yellowTop, y);
        }
    EXPECT_LT(yellowTop, 17);
    EXPECT_LE(blueBottom, yellowTop + 1) << "the arrow is above the folder's front";
}

TEST(EditGlyphs, ThePressedFrameIsTheNormalOneMovedByOnePixel)
{
    Image24 glyph = DrawOpenFileGlyph();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 19; ++x)
            EXPECT_EQ(glyph.At(40 + x + 1, y + 1), glyph.At(x, y)) << x << "," << y;
}

}  // namespace
