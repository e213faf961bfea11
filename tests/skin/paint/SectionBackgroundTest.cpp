// Section fills and section backgrounds: colour, gradient, texture and the
// parent's background by the section's transparency.

#include <gtest/gtest.h>

#include "skin/paint/PaintTestImages.h"
#include "skin/paint/PaintTestSkin.h"
#include "skin/paint/SectionBackground.h"
#include "skin/paint/SectionFill.h"

using Rows = std::vector<std::string>;

namespace {

const Legend& Colours()
{
    static const Legend legend = [] {
        Legend l = DefaultLegend();
        l['p'] = RGB(10, 20, 30);  // the parent's colour
        return l;
    }();
    return legend;
}

constexpr int32_t kParentColour = 0x1E140A;  // RGB(10, 20, 30)

// Paints a section's background into a fresh 4 x 3 bitmap of grey 1s.
Image24 Painted(const char* section, const TsBgSource& bg, bool hot = false, int32_t customColor = kSkinKeyColor,
                Point offset = {}, int textureIndex = -1, int hotTextureIndex = -1)
{
    TsSectionRef ref = TsSectionRef::Resolve(&PaintTestSkin(), section);
    ref.Texture = textureIndex;  // -1: the fill searches PATTERN itself
    ref.HotTexture = hotTextureIndex;
    Image24 image = Solid(4, 3, RGB(25, 25, 25));
    PaintSectionBackground(TsPaintTarget(image.View(), ShiftedBg(bg, offset)), ref, image.View().Bounds(), hot,
                           customColor);
    return image;
}

Image24 ParentPicture()
{
    return Picture({"Y12345", "6789WB", "RGUWBY", "54321Y"});
}

}  // namespace

TEST(SectionBackground, FullyTransparentShowsTheParentPictureAtTheOffset)
{
    Image24 parent = ParentPicture();
    Image24 image = Painted("CLEAR", BgFromImage(parent.View(), 1, 0), false, kSkinKeyColor, {1, 1});
    EXPECT_EQ(Letters(image.View()), (Rows{"89WB", "UWBY", "321Y"}));
}

TEST(SectionBackground, FullyTransparentShowsTheParentColour)
{
    Image24 image = Painted("CLEAR", BgFromColor(kParentColour));
    EXPECT_EQ(Letters(image.View(), Colours()), (Rows{"pppp", "pppp", "pppp"}));
}

TEST(SectionBackground, WithoutABackgroundAFullyTransparentSectionPaintsItsColour)
{
    Image24 image = Painted("CLEAR", BgFromColor(kSkinKeyColor));
    EXPECT_EQ(Letters(image.View()), (Rows{"RRRR", "RRRR", "RRRR"}));
}

TEST(SectionBackground, ColourOnlyAndGradientOnly)
{
    EXPECT_EQ(Letters(Painted("PLAIN", BgFromColor(kParentColour)).View()), (Rows{"GGGG", "GGGG", "GGGG"}));
    Image24 gradient = Painted("GRAD", BgFromColor(kParentColour));
    EXPECT_EQ(Letters(gradient.View()), (Rows{"RRRR", "????", "UUUU"}));
    EXPECT_EQ(gradient.At(0, 1), RGB(128, 0, 128));
    EXPECT_EQ(Letters(Painted("GRADNOSEG", {}).View()), (Rows{"GGGG", "GGGG", "GGGG"}))
        << "a gradient percent without segments shows the colour";
}

TEST(SectionBackground, PartlyTransparentMergesOverTheParentPicture)
{
    Image24 parent = Solid(6, 6, RGB(255, 255, 255));
    Image24 image = Painted("HALF", BgFromImage(parent.View(), 0, 0));
    // Black at T = 50 over white: (255 x 127 + 0 x 128 + 127) div 256.
    EXPECT_EQ(image.At(3, 2), RGB(127, 127, 127));
}

TEST(SectionBackground, PartlyTransparentOverAPlainParentTakesTheParentsColour)
{
    Image24 image = Painted("HALF", BgFromColor(0xFFFFFF));
    // The parent's white merged with a fill of the parent's white: the merge's
    // rounding gives 254.
    EXPECT_EQ(image.At(0, 0), RGB(254, 254, 254));
    EXPECT_EQ(image.At(3, 2), RGB(254, 254, 254));
}

TEST(SectionBackground, BelowAHundredPercentTheSectionIsTintedTowardsItsColour)
{
    // 40 % white gradient, 60 % black colour.
    EXPECT_EQ(Painted("TINT", {}).At(0, 0), RGB(102, 102, 102));
}

TEST(SectionBackground, TextureFromThePatternKey)
{
    EXPECT_EQ(Letters(Painted("TEXTURED", {}).View()), (Rows{"RGRG", "UWUW", "RGRG"}));
}

TEST(SectionBackground, AGivenTextureIndexReplacesTheSearch)
{
    const TsSkinModel& skin = PaintTestSkin();
    // TEXTURED's own index of BOX, a mask without a mask row, is used as its texture.
    int box = MaskOf(skin, "CLEAR", "BORDERSMASK");
    Image24 image = Painted("TEXTURED", {}, false, kSkinKeyColor, {}, box);
    EXPECT_EQ(image.At(1, 1), RGB(125, 125, 125));
    EXPECT_EQ(image.At(0, 0), kFuchsia) << "a texture is copied as it is";
    // A given index whose mask has a mask row gives no texture: the colour
    // shows, and the mask (a size grip's) is drawn over it afterwards.
    int grip = MaskOf(skin, "GRIP", "PATTERN");
    EXPECT_EQ(Letters(Painted("TEXTURED", {}, false, kSkinKeyColor, {}, grip).View()),
              (Rows{"B?GG", "?BGG", "GGGG"}));
}

TEST(SectionBackground, GradientOverTextureMergesByTheImagePercent)
{
    Image24 image = Painted("TEXGRAD", {});
    // Texture share 60 x 255 div 100 = 153: (255 x 153 + 255 x 102 + 127) >> 8 = 254, (255 x 102 + 127) >> 8 = 102.
    EXPECT_EQ(image.At(0, 0), RGB(254, 102, 102));
    EXPECT_EQ(image.At(3, 2), RGB(102, 254, 102)) << "the rightmost column is merged too";
}

TEST(SectionBackground, HotStateUsesTheHotFields)
{
    EXPECT_EQ(Painted("HOTTY", {}).At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(Painted("HOTTY", {}, true).At(0, 0), RGB(255, 255, 255));
}

TEST(SectionBackground, ACustomColourTurnsTransparencyGradientAndTextureOff)
{
    Image24 parent = ParentPicture();
    EXPECT_EQ(Letters(Painted("CLEAR", BgFromImage(parent.View(), 0, 0), false, 0xFF0000).View()),
              (Rows{"UUUU", "UUUU", "UUUU"}));
    EXPECT_EQ(Letters(Painted("TEXGRAD", {}, false, 0xFF0000).View()), (Rows{"UUUU", "UUUU", "UUUU"}));
}

TEST(SectionBackground, TheSizeGripsDotsAreDrawnOverTheBackgroundInTheNormalStateOnly)
{
    const TsSkinModel& skin = PaintTestSkin();
    int grip = MaskOf(skin, "GRIP", "PATTERN");
    Image24 normal = Painted("GRIP", BgFromColor(0xFFFFFF), false, kSkinKeyColor, {}, grip);
    // Tiles 2 x 2 while x < 4 - 2 and y < 3 - 2: one tile at (0, 0); the rest is the parent's white.
    EXPECT_EQ(Letters(normal.View()), (Rows{"B?WW", "?BWW", "WWWW"}));
    Image24 hot = Painted("GRIP", BgFromColor(0xFFFFFF), true, kSkinKeyColor, {}, grip);
    EXPECT_EQ(Letters(hot.View()), (Rows{"WWWW", "WWWW", "WWWW"}));
    // Given as the hot texture only, it is drawn in the normal state too.
    Image24 viaHot = Painted("GRIP", BgFromColor(0xFFFFFF), false, kSkinKeyColor, {}, -1, grip);
    EXPECT_EQ(viaHot.At(0, 0), RGB(0, 0, 0));
}

TEST(SectionBackground, InvalidSectionsAndEmptyRectanglesPaintNothing)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 image = Solid(2, 2, RGB(25, 25, 25));
    TsPaintTarget target(image.View(), {});
    PaintSectionBackground(target, TsSectionRef::ResolveIndex(&skin, -1), {0, 0, 2, 2}, false);
    PaintSectionBackground(target, TsSectionRef::ResolveIndex(&skin, 999), {0, 0, 2, 2}, false);
    PaintSectionBackground(target, TsSectionRef::Resolve(nullptr, "PLAIN"), {0, 0, 2, 2}, false);
    PaintSectionBackground(target, TsSectionRef::Resolve(&skin, "PLAIN"), {2, 0, 4, 2}, false);
    PaintSectionBackground(target.Clipped({0, 0, 2, 0}), TsSectionRef::Resolve(&skin, "PLAIN"), {0, 0, 2, 2}, false);
    EXPECT_EQ(Letters(image.View()), (Rows{"11", "11"}));
}

TEST(SectionBackgroundFast, OverAPictureComposesByTransparency)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 parent = ParentPicture();
    Image24 image = Solid(4, 3, RGB(25, 25, 25));
    PaintSectionBackgroundFast(TsPaintTarget(image.View(), BgFromImage(parent.View(), 2, 1)),
                               TsSectionRef::Resolve(&skin, "CLEAR"), image.View().Bounds(), false);
    EXPECT_EQ(Letters(image.View()), (Rows{"89WB", "UWBY", "321Y"}));
}

TEST(SectionBackgroundFast, OverAPlainColourPaintsTheFillDirectly)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 half = Solid(2, 2, RGB(25, 25, 25));
    PaintSectionBackgroundFast(TsPaintTarget(half.View(), BgFromColor(0xFFFFFF)), TsSectionRef::Resolve(&skin, "HALF"),
                               half.View().Bounds(), false);
    EXPECT_EQ(Letters(half.View()), (Rows{"BB", "BB"})) << "no blend with a plain parent";
    Image24 clear = Solid(2, 2, RGB(25, 25, 25));
    PaintSectionBackgroundFast(TsPaintTarget(clear.View(), BgFromColor(0xFFFFFF)),
                               TsSectionRef::Resolve(&skin, "CLEAR"), clear.View().Bounds(), false);
    EXPECT_EQ(Letters(clear.View()), (Rows{"WW", "WW"})) << "transparency 100 takes the parent's colour";
}

TEST(SectionBackgroundFast, UsesTheGivenTextureWithoutSearching)
{
    const TsSkinModel& skin = PaintTestSkin();
    Image24 image = Solid(4, 3, RGB(25, 25, 25));
    TsSectionRef textured = TsSectionRef::Resolve(&skin, "TEXTURED");
    textured.Texture = textured.HotTexture = -1;
    PaintSectionBackgroundFast(TsPaintTarget(image.View(), {}), textured, image.View().Bounds(), false);
    EXPECT_EQ(Letters(image.View()), (Rows{"GGGG", "GGGG", "GGGG"})) << "no texture given: the colour";
    textured.Texture = MaskOf(skin, "TEXTURED", "PATTERN");
    PaintSectionBackgroundFast(TsPaintTarget(image.View(), {}), textured, image.View().Bounds(), false);
    EXPECT_EQ(Letters(image.View()), (Rows{"RGRG", "UWUW", "RGRG"}));
}

TEST(PaintSectionFill, AMaskedTextureIsBlendedOverTheColour)
{
    const TsSkinModel& skin = PaintTestSkin();
    TsSectionLook look;
    look.Color = look.PlainColor = 0xFFFFFF;
    look.ImagePercent = 100;
    look.TextureMask = &MaskDataOf(skin, "GRIP", "PATTERN");
    Image24 image = Solid(5, 4, RGB(25, 25, 25));
    PaintSectionFill(image.View(), image.View().Bounds(), look, BgFromColor(0x0000FF));
    // StretchMode 10: one row of tiles, the bands from the background.
    EXPECT_EQ(Letters(image.View()), (Rows{"B?B?R", "?B?BR", "RRRRR", "RRRRR"}));
}
