// Whole skin items: background, corner images and border together.

#include <gtest/gtest.h>

#include "skin/paint/PaintTestImages.h"
#include "skin/paint/PaintTestSkin.h"
#include "skin/paint/SkinItem.h"

using Rows = std::vector<std::string>;

namespace {

constexpr Rgb24 kUnder = RGB(25, 25, 25);  // '1'

Image24 ParentPicture()
{
    return Picture({"Y12345", "6789WB", "RGUWBY", "54321Y", "WWWWWW"});
}

TsControlSkin ClearControl()
{
    const TsSkinModel& skin = PaintTestSkin();
    TsControlSkin c;
    c.Manager = &skin;
    c.SkinSection = "CLEAR";
    c.SectionIndex = SectionOf(skin, "CLEAR");
    c.BorderMaskIndex = MaskOf(skin, "CLEAR", "BORDERSMASK");
    return c;
}

}  // namespace

TEST(PaintSkinItem, ATransparentSectionShowsItsParentUnderItsBorder)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 parent = ParentPicture();
    Image24 image = Solid(4, 4, kUnder);
    PaintSkinItem(SectionOf(skin, "CLEAR"), "CLEAR", BgFromImage(parent.View(), 1, 0), -1, -1, &skin, image.View(),
                  {1, 1}, image.View().Bounds(), 0, false);
    // Corners and centre show the parent from (2, 1) on; the sides are the border's grey 2.
    EXPECT_EQ(Letters(image.View()), (Rows{"822B", "2WB2", "2212", "W22W"}));
    Image24 filled = Solid(4, 4, kUnder);
    PaintSkinItem(SectionOf(skin, "CLEAR"), "CLEAR", BgFromImage(parent.View(), 1, 0), -1, -1, &skin, filled.View(),
                  {1, 1}, filled.View().Bounds(), 0, true);
    EXPECT_EQ(Letters(filled.View()), (Rows{"822B", "2552", "2552", "W22W"}));
}

TEST(PaintSkinItem, CornerImagesAreDrawnOverTheBackground)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 image = Solid(4, 4, kUnder);
    PaintSkinItem(SectionOf(skin, "CORNERED"), "CORNERED", {}, -1, -1, &skin, image.View(), {},
                  image.View().Bounds(), 0, false);
    EXPECT_EQ(Letters(image.View()), (Rows{"RBBB", "BRBB", "BBRB", "BBBR"}));
    PaintSkinItem(SectionOf(skin, "CORNERED"), "CORNERED", {}, -1, -1, &skin, image.View(), {},
                  image.View().Bounds(), 1, false);
    EXPECT_EQ(Letters(image.View()), (Rows{"GWWW", "WGWW", "WWGW", "WWWG"})) << "state 1: hot colour, frame 1";
}

TEST(PaintSkinItem, NothingOutsideTheBitmapOrWithoutASection)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 image = Solid(3, 3, kUnder);
    PaintSkinItem(SectionOf(skin, "PLAIN"), "PLAIN", {}, -1, -1, &skin, image.View(), {}, {1, 1, 4, 3}, 0, true);
    PaintSkinItem(SectionOf(skin, "PLAIN"), "PLAIN", {}, -1, -1, &skin, image.View(), {}, {2, 2, 1, 3}, 0, true);
    PaintSkinItem(-1, "PLAIN", {}, -1, -1, &skin, image.View(), {}, {0, 0, 3, 3}, 0, true);
    PaintSkinItem(SectionOf(skin, "PLAIN"), "PLAIN", {}, -1, -1, nullptr, image.View(), {}, {0, 0, 3, 3}, 0, true);
    EXPECT_EQ(Letters(image.View()), (Rows{"111", "111", "111"}));
    PaintSkinItem(SectionOf(skin, "PLAIN"), "PLAIN", {}, -1, -1, &skin, image.View(), {}, {1, 1, 3, 3}, 0, true);
    EXPECT_EQ(Letters(image.View()), (Rows{"111", "1GG", "1GG"}));
}

TEST(PaintControlItem, UsesTheControlsSectionBorderAndCustomColour)
{
    Image24 parent = ParentPicture();
    TsControlSkin control = ClearControl();
    Image24 image = Solid(3, 3, kUnder);
    PaintControlItem(control, BgFromImage(parent.View(), 0, 0), true, -1, -1, true, image.View(), {}, {0, 0, 3, 3},
                     0);
    EXPECT_EQ(Letters(image.View()), (Rows{"Y22", "252", "R2U"}));
    control.CustomColor = true;
    control.Color = 0xFF0000;
    PaintControlItem(control, BgFromImage(parent.View(), 0, 0), false, -1, -1, false, image.View(), {},
                     {0, 0, 3, 3}, 0);
    // The custom colour fills; without cornersOnBackground a picture background leaves the corner holes.
    EXPECT_EQ(Letters(image.View()), (Rows{"U2U", "2U2", "U2U"}));
}

TEST(PaintControlBackground, TakesTheControlsIndexes)
{
    Image24 parent = ParentPicture();
    Image24 image = Solid(2, 2, kUnder);
    PaintControlBackground(ClearControl(), BgFromImage(parent.View(), 0, 0), false, image.View(), {4, 3},
                           image.View().Bounds());
    EXPECT_EQ(Letters(image.View()), (Rows{"1Y", "WW"}));
}

TEST(PaintSkinItemFast, TheFastBackgroundAndTheGivenBorder)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 image = Solid(3, 3, kUnder);
    PaintSkinItemFast(SectionOf(skin, "CLEAR"), -1, -1, &skin, image.View(), {}, image.View().Bounds(), 0, true,
                      BgFromColor(0xFFFFFF), MaskOf(skin, "CLEAR", "BORDERSMASK"));
    EXPECT_EQ(Letters(image.View()), (Rows{"W2W", "252", "W2W"}));
    PaintSkinItemFast(SectionOf(skin, "PLAIN"), -1, -1, &skin, image.View(), {}, image.View().Bounds(), 0, true,
                      BgFromColor(0xFFFFFF), -1);
    EXPECT_EQ(Letters(image.View()), (Rows{"GGG", "GGG", "GGG"}));
}

TEST(PaintSkinItem, TheInternalButtonPaintsNoBackgroundOfItsOwn)
{
    const TsSkinModel& skin = OpusSkin();
    Image24 parent(140, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 140; ++x)
            parent.At(x, y) = RGB(x, y * 4, 200);
    const int button = SectionOf(skin, "BUTTON");
    for (int state = 0; state < 3; ++state) {
        Image24 image = Solid(99, 25, kFuchsia);
        PaintSkinItem(button, "BUTTON", BgFromImage(parent.View(), 0, 0), -1, -1, &skin, image.View(), {20, 30},
                      image.View().Bounds(), state, false);
        // Inside the six-pixel border the parent shows through.
        for (int y = 6; y < 19; ++y)
            for (int x = 6; x < 93; ++x)
                ASSERT_EQ(image.At(x, y), parent.At(x + 20, y + 30)) << state << " " << x << "," << y;
        EXPECT_NE(image.At(49, 0), parent.At(69, 30)) << "the border is drawn";
    }
}

TEST(PaintSkinItem, TheInternalButtonsStatesDiffer)
{
    const TsSkinModel& skin = OpusSkin();
    const int button = SectionOf(skin, "BUTTON");
    Image24 looks[3];
    for (int state = 0; state < 3; ++state) {
        looks[state] = Solid(99, 25, RGB(237, 234, 228));
        PaintSkinItem(button, "BUTTON", BgFromColor(0xE4EAED), -1, -1, &skin, looks[state].View(), {},
                      looks[state].View().Bounds(), state, true);
    }
    EXPECT_NE(looks[0].At(49, 12), looks[1].At(49, 12));
    EXPECT_NE(looks[1].At(49, 12), looks[2].At(49, 12));
}
