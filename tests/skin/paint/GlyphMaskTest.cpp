// Glyph frames drawn at a point, normal and faded.

#include <gtest/gtest.h>

#include "skin/paint/PaintTestImages.h"
#include "skin/paint/PaintTestSkin.h"
#include "skin/paint/GlyphMask.h"

using Rows = std::vector<std::string>;

namespace {

constexpr Rgb24 kUnder = RGB(100, 100, 100);  // '4'

Image24 Under(int width, int height)
{
    return Solid(width, height, kUnder);
}

}  // namespace

TEST(DrawGlyphMask, FromTheMasterTheStatesFrameWithHolesShowingTheBackground)
{
    const TsMaskData& arrow = MaskDataOf(PaintTestSkin(), "GLYPHS", "ARROW");
    Image24 image = Under(3, 3);
    DrawGlyphMask(image.View(), {1, 1}, 1, BgFromColor(0xFFFFFF), arrow, kGlyphNormal);
    // Frame 1 is "GK" over "KG".
    EXPECT_EQ(Letters(image.View()), (Rows{"444", "4GW", "4WG"}));
    Image24 kept = Under(2, 2);
    DrawGlyphMask(kept.View(), {0, 0}, 7, {}, arrow, kGlyphNormal);
    EXPECT_EQ(Letters(kept.View()), (Rows{"U4", "4U"})) << "the last frame; no background leaves the holes";
}

TEST(DrawGlyphMask, FadedFromTheMasterIsAHalfBlend)
{
    const TsMaskData& arrow = MaskDataOf(PaintTestSkin(), "GLYPHS", "ARROW");
    Image24 image = Under(2, 2);
    DrawGlyphMask(image.View(), {0, 0}, 0, BgFromColor(0xFFFFFF), arrow, 0);
    // Red over grey 100: 255 - 0.5 x 155 = 177.5, 50; key pixels are skipped.
    EXPECT_EQ(image.At(0, 0), RGB(178, 50, 50));
    EXPECT_EQ(image.At(1, 0), kUnder);
    EXPECT_EQ(image.At(1, 1), RGB(178, 50, 50));
}

TEST(DrawGlyphMask, ThroughAMaskRowNormalAndFaded)
{
    const TsMaskData& faded = MaskDataOf(PaintTestSkin(), "GLYPHS", "FADED");
    // Black frames over the masks 0, 255 and 125.
    for (auto [state, normal, faint] : {std::tuple{0, 0, 39}, {1, 99, 99}, {2, 48, 87}}) {
        Image24 image = Under(2, 2);
        DrawGlyphMask(image.View(), {0, 0}, state, {}, faded, kGlyphNormal);
        EXPECT_EQ(image.At(1, 1), RGB(normal, normal, normal)) << state;
        Image24 fainter = Under(2, 2);
        DrawGlyphMask(fainter.View(), {0, 0}, state, {}, faded, 2);
        EXPECT_EQ(fainter.At(0, 1), RGB(faint, faint, faint)) << state;
    }
}

TEST(DrawGlyphMask, PartsLeftOrAboveTheBitmapAreCutAway)
{
    const TsMaskData& arrow = MaskDataOf(PaintTestSkin(), "GLYPHS", "ARROW");
    Image24 image = Under(2, 2);
    DrawGlyphMask(image.View(), {-1, -1}, 0, BgFromColor(0), arrow, kGlyphNormal);
    EXPECT_EQ(Letters(image.View()), (Rows{"R4", "44"}));
    DrawGlyphMask(image.View(), {1, 1}, 2, BgFromColor(0), arrow, kGlyphNormal);
    EXPECT_EQ(Letters(image.View()), (Rows{"R4", "4U"}));
}

TEST(DrawGlyphMask, OwnBitmapWithoutMaskRowSkipsKeys)
{
    TsMaskData glyph = OwnMask(Picture({"RK"}), 1, 0, 0, 0);
    Image24 image = Under(2, 1);
    DrawGlyphMask(image.View(), {0, 0}, 0, BgFromColor(0xFFFFFF), glyph, kGlyphNormal);
    EXPECT_EQ(Letters(image.View()), (Rows{"R4"})) << "holes keep the target whatever the background";
    Image24 faded = Under(2, 1);
    DrawGlyphMask(faded.View(), {0, 0}, 0, BgFromColor(0xFFFFFF), glyph, kGlyphNormal + 1);
    EXPECT_EQ(Letters(faded.View()), (Rows{"R4"})) << "no faded form: the same keyed copy";
}

TEST(DrawGlyphMask, AMaskCutFromAMasterNeedsItsSkin)
{
    TsMaskData orphan = MaskDataOf(PaintTestSkin(), "GLYPHS", "ARROW");
    orphan.Model = nullptr;
    Image24 image = Under(2, 2);
    DrawGlyphMask(image.View(), {0, 0}, 0, BgFromColor(0), orphan, kGlyphNormal);
    EXPECT_EQ(Letters(image.View()), (Rows{"44", "44"}));
}
