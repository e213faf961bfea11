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

TsSectionRef Section(const TsSkinModel& skin, const char* name)
{
    return TsSectionRef::Resolve(&skin, name);
}

// A target over image whose pixel p lies over pixel p + at of the parent.
TsPaintTarget Over(Image24& image, const TsBgSource& parent, Point at = {})
{
    return TsPaintTarget(image.View(), ShiftedBg(parent, at));
}

}  // namespace

TEST(PaintSkinItem, ATransparentSectionShowsItsParentUnderItsBorder)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 parent = ParentPicture();
    Image24 image = Solid(4, 4, kUnder);
    PaintSkinItem(Over(image, BgFromImage(parent.View(), 1, 0), {1, 1}), Section(skin, "CLEAR"),
                  image.View().Bounds(), 0, false);
    // Corners and centre show the parent from (2, 1) on; the sides are the border's grey 2.
    EXPECT_EQ(Letters(image.View()), (Rows{"822B", "2WB2", "2212", "W22W"}));
    Image24 filled = Solid(4, 4, kUnder);
    PaintSkinItem(Over(filled, BgFromImage(parent.View(), 1, 0), {1, 1}), Section(skin, "CLEAR"),
                  filled.View().Bounds(), 0, true);
    EXPECT_EQ(Letters(filled.View()), (Rows{"822B", "2552", "2552", "W22W"}));
}

TEST(PaintSkinItem, CornerImagesAreDrawnOverTheBackground)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 image = Solid(4, 4, kUnder);
    PaintSkinItem(Over(image, {}), Section(skin, "CORNERED"), image.View().Bounds(), 0, false);
    EXPECT_EQ(Letters(image.View()), (Rows{"RBBB", "BRBB", "BBRB", "BBBR"}));
    PaintSkinItem(Over(image, {}), Section(skin, "CORNERED"), image.View().Bounds(), 1, false);
    EXPECT_EQ(Letters(image.View()), (Rows{"GWWW", "WGWW", "WWGW", "WWWG"})) << "state 1: hot colour, frame 1";
}

TEST(PaintSkinItem, NothingWithoutASectionOrForAnEmptyRect)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 image = Solid(3, 3, kUnder);
    PaintSkinItem(Over(image, {}), Section(skin, "PLAIN"), {2, 2, 1, 3}, 0, true);
    PaintSkinItem(Over(image, {}), TsSectionRef::ResolveIndex(&skin, -1), {0, 0, 3, 3}, 0, true);
    PaintSkinItem(Over(image, {}), Section(skin, "NO SUCH SECTION"), {0, 0, 3, 3}, 0, true);
    PaintSkinItem(Over(image, {}), TsSectionRef::Resolve(nullptr, "PLAIN"), {0, 0, 3, 3}, 0, true);
    EXPECT_EQ(Letters(image.View()), (Rows{"111", "111", "111"}));
}

TEST(PaintSkinItem, AMovedAndClippedTargetPaintsTheSamePixelsWithinItsClipOnly)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 parent = ParentPicture();
    Image24 whole = Solid(4, 4, kUnder);
    PaintSkinItem(Over(whole, BgFromImage(parent.View(), 0, 0), {1, 1}), Section(skin, "CLEAR"), {0, 0, 4, 4}, 0,
                  true);
    // The same item drawn at (1, 1) of a 5 x 5 bitmap whose (0, 0) lies over the parent's (0, 0),
    // through a target moved to (1, 1) and clipped to the item's lower-right quarter.
    Image24 larger = Solid(5, 5, kUnder);
    TsPaintTarget moved = Over(larger, BgFromImage(parent.View(), 0, 0)).Translated({1, 1});
    PaintSkinItem(moved.Clipped({2, 2, 4, 4}), Section(skin, "CLEAR"), {0, 0, 4, 4}, 0, true);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            bool inClip = x >= 3 && y >= 3;
            EXPECT_EQ(larger.At(x, y), inClip ? whole.At(x - 1, y - 1) : kUnder) << x << "," << y;
        }
}

TEST(PaintControlItem, UsesTheControlsSectionBorderAndCustomColour)
{
    Image24 parent = ParentPicture();
    TsSectionRef clear = Section(PaintTestSkin(), "CLEAR");
    Image24 image = Solid(3, 3, kUnder);
    PaintControlItem(Over(image, BgFromImage(parent.View(), 0, 0)), clear, {0, 0, 3, 3}, 0, {true, true});
    EXPECT_EQ(Letters(image.View()), (Rows{"Y22", "252", "R2U"}));
    PaintControlItem(Over(image, BgFromImage(parent.View(), 0, 0)), clear, {0, 0, 3, 3}, 0, {false, false, 0xFF0000});
    // The custom colour fills; without cornersOnBackground a picture background leaves the corner holes.
    EXPECT_EQ(Letters(image.View()), (Rows{"U2U", "2U2", "U2U"}));
}

TEST(PaintSkinItemFast, TheFastBackgroundAndTheSectionsBorder)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 image = Solid(3, 3, kUnder);
    PaintSkinItemFast(Over(image, BgFromColor(0xFFFFFF)), Section(skin, "CLEAR"), image.View().Bounds(), 0, true);
    EXPECT_EQ(Letters(image.View()), (Rows{"W2W", "252", "W2W"}));
    PaintSkinItemFast(Over(image, BgFromColor(0xFFFFFF)), Section(skin, "PLAIN"), image.View().Bounds(), 0, true);
    EXPECT_EQ(Letters(image.View()), (Rows{"GGG", "GGG", "GGG"}));
}

TEST(PaintSkinItem, TheInternalButtonPaintsNoBackgroundOfItsOwn)
{
    const TsSkinModel& skin = OpusSkin();
    Image24 parent(140, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 140; ++x)
            parent.At(x, y) = RGB(x, y * 4, 200);
    const TsSectionRef button = Section(skin, "BUTTON");
    for (int state = 0; state < 3; ++state) {
        Image24 image = Solid(99, 25, kFuchsia);
        PaintSkinItem(Over(image, BgFromImage(parent.View(), 0, 0), {20, 30}), button, image.View().Bounds(), state,
                      false);
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
    const TsSectionRef button = Section(skin, "BUTTON");
    Image24 looks[3];
    for (int state = 0; state < 3; ++state) {
        looks[state] = Solid(99, 25, RGB(237, 234, 228));
        PaintSkinItem(Over(looks[state], BgFromColor(0xE4EAED)), button, looks[state].View().Bounds(), state, true);
    }
    EXPECT_NE(looks[0].At(49, 12), looks[1].At(49, 12));
    EXPECT_NE(looks[1].At(49, 12), looks[2].At(49, 12));
}
