// Backgrounds handed to painters, textures and textures with a mask row.

#include <gtest/gtest.h>

#include "skin/paint/PaintTestImages.h"
#include "skin/paint/MaskedTexture.h"
#include "skin/paint/SkinBackground.h"
#include "skin/paint/SkinTexture.h"

using Rows = std::vector<std::string>;

namespace {

// A texture mask of its own bitmap: the 2 x 2 tile "RG" / "UW".
TsMaskData Tile(int stretchMode)
{
    return OwnMask(Picture({"RG", "UW"}), 1, 0, 0, stretchMode);
}

Rows Textured(int drawType, int width, int height, Rect* uncovered = nullptr)
{
    Image24 image = Solid(width, height, RGB(0, 0, 0));
    TsMaskData mask = Tile(drawType);
    Rect left = FillTexture(image.View(), image.View().Bounds(), {}, drawType, &mask);
    if (uncovered)
        *uncovered = left;
    return Letters(image.View());
}

}  // namespace

TEST(QueryToSource, APictureAnswerKeepsPictureAndOffset)
{
    Image24 parent = Solid(4, 4, RGB(1, 2, 3));
    TsBgQuery query;
    query.Kind = 2;
    query.Image = parent.View();
    query.OffsetX = 3;
    query.OffsetY = -1;
    query.Color = 0x123456;
    TsBgSource bg = QueryToSource(query);
    EXPECT_TRUE(bg.HasImage());
    EXPECT_EQ(bg.OffsetX, 3);
    EXPECT_EQ(bg.OffsetY, -1);
    EXPECT_EQ(bg.FillColor, kSkinKeyColor);
}

TEST(QueryToSource, AnyOtherAnswerIsItsColourAsRgb)
{
    TsBgQuery query;
    query.Kind = 1;
    query.Color = int32_t(0xFF00000F);  // the system's button face
    query.OffsetX = 5;
    TsBgSource bg = QueryToSource(query);
    EXPECT_FALSE(bg.IsImage);
    EXPECT_EQ(bg.OffsetX, 0);
    EXPECT_EQ(bg.FillColor, ResolveSkinColor(int32_t(0xFF00000F)));
    query.Kind = 0;
    query.Color = kSkinKeyColor;
    EXPECT_TRUE(QueryToSource(query).IsEmpty()) << "an unanswered question leaves no background";
}

TEST(PaintBgInto, CopiesThePictureAtTheOffsetOrFillsTheColour)
{
    Image24 parent = Picture({"Y123", "4567", "89WB"});
    Image24 target = Solid(3, 2, RGB(255, 0, 0));
    EXPECT_TRUE(PaintBgInto(target.View(), {1, 0, 3, 2}, ShiftedBg(BgFromImage(parent.View(), 1, 0), {0, 1})));
    EXPECT_EQ(Letters(target.View()), (Rows{"R67", "RWB"}));
    EXPECT_TRUE(PaintBgInto(target.View(), {0, 0, 1, 1}, BgFromColor(0x00FF00)));
    EXPECT_EQ(target.At(0, 0), RGB(0, 255, 0));
    EXPECT_FALSE(PaintBgInto(target.View(), {0, 0, 3, 2}, BgFromColor(kSkinKeyColor)));
    EXPECT_EQ(target.At(0, 1), RGB(255, 0, 0));
}

TEST(FillTexture, APatternPictureIsTiledAndCoversAll)
{
    Image24 image = Solid(3, 3, RGB(0, 0, 0));
    Image24 pattern = Picture({"RG", "UW"});
    EXPECT_TRUE(FillTexture(image.View(), {0, 0, 3, 3}, pattern.View(), 7, nullptr).IsEmpty());
    EXPECT_EQ(Letters(image.View()), (Rows{"RGR", "UWU", "RGR"}));
}

TEST(FillTexture, DrawTypesZeroAndOneCoverAll)
{
    Rect left{9, 9, 9, 9};
    EXPECT_EQ(Textured(0, 3, 3, &left), (Rows{"RGR", "UWU", "RGR"}));
    EXPECT_TRUE(left.IsEmpty());
    EXPECT_EQ(Textured(1, 4, 4, &left), (Rows{"RRGG", "RRGG", "UUWW", "UUWW"}));
    EXPECT_TRUE(left.IsEmpty());
}

TEST(FillTexture, RowsAndColumnsOfTilesLeaveTheRest)
{
    Rect left;
    EXPECT_EQ(Textured(2, 3, 4, &left), (Rows{"RGR", "UWU", "BBB", "BBB"}));
    EXPECT_EQ(left, (Rect{0, 2, 3, 4}));
    EXPECT_EQ(Textured(3, 4, 3, &left), (Rows{"RGBB", "UWBB", "RGBB"}));
    EXPECT_EQ(left, (Rect{2, 0, 4, 3}));
    EXPECT_EQ(Textured(6, 3, 4, &left), (Rows{"BBB", "BBB", "RGR", "UWU"}));
    EXPECT_EQ(left, (Rect{0, 0, 3, 2}));
    EXPECT_EQ(Textured(7, 4, 3, &left), (Rows{"BBRG", "BBUW", "BBRG"}));
    EXPECT_EQ(left, (Rect{0, 0, 2, 3}));
    EXPECT_EQ(Textured(99, 3, 1, &left), (Rows{"BRG"})) << "unknown draw types draw the right column";
}

TEST(FillTexture, StretchedBandsLeaveTheRest)
{
    Rect left;
    EXPECT_EQ(Textured(4, 4, 3, &left), (Rows{"RRGG", "UUWW", "BBBB"}));
    EXPECT_EQ(left, (Rect{0, 2, 4, 3}));
    EXPECT_EQ(Textured(5, 3, 4, &left), (Rows{"RGB", "RGB", "UWB", "UWB"}));
    EXPECT_EQ(left, (Rect{2, 0, 3, 4}));
}

TEST(FillTexture, ATileLargerThanTheRectangleCoversItAndStaysInside)
{
    Image24 image = Solid(3, 3, RGB(0, 0, 0));
    TsMaskData mask = Tile(6);
    // One row of 2-pixel tiles at the bottom of a 1-pixel-high rectangle.
    EXPECT_TRUE(FillTexture(image.View(), {0, 1, 3, 2}, {}, 6, &mask).IsEmpty());
    EXPECT_EQ(Letters(image.View()), (Rows{"BBB", "UWU", "BBB"}));
}

TEST(FillTexture, DrawTypeTenDrawsWholeTilesShortOfTheEdgesAndReturnsTheBottomBand)
{
    Rect left;
    // Tiles at x = 0, 2 (x < 5 - 2) and y = 0 (y < 4 - 2); then a cut column
    // from x = 4 up to the right edge; rows 2..3 stay for the colour.
    EXPECT_EQ(Textured(10, 5, 4, &left), (Rows{"RGRGR", "UWUWU", "BBBBB", "BBBBB"}));
    EXPECT_EQ(left, (Rect{0, 2, 5, 4}));
}

TEST(FillTexture, NothingToDrawLeavesTheWholeRectangle)
{
    Image24 image = Solid(2, 2, RGB(0, 0, 0));
    EXPECT_EQ(FillTexture(image.View(), {0, 0, 5, 5}, {}, 0, nullptr), (Rect{0, 0, 2, 2}));
    TsMaskData mask = Tile(0);
    EXPECT_TRUE(FillTexture(image.View(), {3, 3, 5, 5}, {}, 0, &mask).IsEmpty()) << "outside the bitmap";
}

TEST(FillMaskedTexture, TilesBlendThroughTheirMaskRow)
{
    // Picture row "RB" over mask row "BW": the red pixel replaces, the black one keeps (almost) the target.
    TsMaskData mask = OwnMask(Picture({"RB", "BW"}), 1, 1, 0, 0);
    Image24 image = Solid(3, 2, RGB(100, 100, 100));
    FillMaskedTexture(image.View(), image.View().Bounds(), BgFromColor(0), 0, mask);
    EXPECT_EQ(image.At(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(image.At(1, 1), RGB(99, 99, 99));
    EXPECT_EQ(image.At(2, 0), RGB(255, 0, 0));
}

TEST(FillMaskedTexture, DrawTypeTenFillsTheBandsFromTheBackground)
{
    TsMaskData mask = OwnMask(Picture({"RR", "BB"}), 1, 1, 0, 10);
    Image24 image = Solid(5, 4, RGB(0, 0, 0));
    FillMaskedTexture(image.View(), image.View().Bounds(), BgFromColor(0xFFFFFF), 10, mask);
    // Whole tiles at x = 0, 2 and y = 0, 1, 2; the bands right (x 4) and below (y 3).
    EXPECT_EQ(Letters(image.View()), (Rows{"RRRRW", "RRRRW", "RRRRW", "WWWWW"}));
}

TEST(FillMaskedTexture, OtherDrawTypesDrawNothing)
{
    TsMaskData mask = OwnMask(Picture({"RR", "BB"}), 1, 1, 0, 3);
    Image24 image = Solid(2, 2, RGB(0, 0, 0));
    FillMaskedTexture(image.View(), image.View().Bounds(), BgFromColor(0xFFFFFF), 3, mask);
    EXPECT_EQ(Letters(image.View()), (Rows{"BB", "BB"}));
}
