// Nine-part border images.

#include <gtest/gtest.h>

#include "skin/paint/PaintTestImages.h"
#include "skin/paint/PaintTestSkin.h"
#include "skin/paint/BorderGeometry.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/MaskFrames.h"

using Rows = std::vector<std::string>;

namespace {

constexpr Rgb24 kUnder = RGB(25, 25, 25);  // '1'

Rows Drawn(const TsMaskData& mask, int width, int height, int state = 0, bool fillCentre = true,
           const TsBgSource& bg = {}, bool cornersOnBackground = true)
{
    Image24 image = Solid(width, height, kUnder);
    DrawBorderMask(image.View(), image.View().Bounds(), fillCentre, cornersOnBackground, state, mask, bg);
    return Letters(image.View());
}

// One 4 x 3 frame with 1-pixel borders whose top and bottom sides are two
// pixels wide ("23" and "78") and whose sides are one pixel high.
TsMaskData TwoPixelSides(int stretchMode)
{
    return OwnMask(Picture({"Y234", "5WU6", "9787"}), 1, 0, 1, stretchMode);
}

}  // namespace

TEST(ReduceBorderWidths, TenPixelsWithSixAndSixGiveFiveAndFive)
{
    EXPECT_EQ(ReduceBorderWidths({6, 6, 6, 6}, {10, 12}), (BorderWidths{5, 6, 5, 6}));
}

TEST(ReduceBorderWidths, ElevenPixelsGiveSixAndFive)
{
    EXPECT_EQ(ReduceBorderWidths({6, 6, 6, 6}, {11, 11}), (BorderWidths{6, 6, 5, 5}));
}

TEST(ReduceBorderWidths, WidthsThatFitStayAndNothingGoesBelowZero)
{
    EXPECT_EQ(ReduceBorderWidths({2, 3, 2, 3}, {4, 6}), (BorderWidths{2, 3, 2, 3}));
    EXPECT_EQ(ReduceBorderWidths({6, 6, 6, 6}, {0, 1}), (BorderWidths{0, 1, 0, 0}));
    // Uneven borders lose the odd pixel on the right so that they still fit.
    EXPECT_EQ(ReduceBorderWidths({3, 0, 4, 0}, {6, 1}), (BorderWidths{3, 0, 3, 0}));
}

TEST(SplitNineParts, CellsInDrawingOrder)
{
    auto cells = SplitNineParts({10, 20, 20, 26}, {2, 1, 3, 2});
    EXPECT_EQ(Cell(cells, NinePart::TopLeft), (Rect{10, 20, 12, 21}));
    EXPECT_EQ(Cell(cells, NinePart::Left), (Rect{10, 21, 12, 24}));
    EXPECT_EQ(Cell(cells, NinePart::Top), (Rect{12, 20, 17, 21}));
    EXPECT_EQ(Cell(cells, NinePart::BottomLeft), (Rect{10, 24, 12, 26}));
    EXPECT_EQ(Cell(cells, NinePart::Bottom), (Rect{12, 24, 17, 26}));
    EXPECT_EQ(Cell(cells, NinePart::BottomRight), (Rect{17, 24, 20, 26}));
    EXPECT_EQ(Cell(cells, NinePart::TopRight), (Rect{17, 20, 20, 21}));
    EXPECT_EQ(Cell(cells, NinePart::Right), (Rect{17, 21, 20, 24}));
    EXPECT_EQ(Cell(cells, NinePart::Centre), (Rect{12, 21, 17, 24}));
}

TEST(DrawBorderMask, TiledSidesRepeatTheirStrip)
{
    EXPECT_EQ(Drawn(TwoPixelSides(4), 7, 4), (Rows{"Y232324", "5WUWUW6", "5WUWUW6", "9787877"}));
}

TEST(DrawBorderMask, StretchedSidesSpreadTheirStrip)
{
    Image24 image = Solid(6, 3, kUnder);
    DrawBorderMask(image.View(), image.View().Bounds(), true, true, 0, TwoPixelSides(5), {});
    EXPECT_EQ(Letters(image.View()), (Rows{"Y22334", "5WWUU6", "977887"}));
    Image24 odd = Solid(5, 3, kUnder);
    DrawBorderMask(odd.View(), odd.View().Bounds(), true, true, 0, TwoPixelSides(5), {});
    EXPECT_EQ(Letters(odd.View())[0], "Y2?34");
    EXPECT_EQ(odd.At(2, 0), RGB(63, 63, 63));  // the mean of 50 and 75, 62.5 rounded up
}

TEST(DrawBorderMask, TheCentreNeedsTheCallerAndTheMasksBit)
{
    EXPECT_EQ(Drawn(TwoPixelSides(5), 4, 3, 0, false), (Rows{"Y234", "5116", "9787"}));
    EXPECT_EQ(Drawn(TwoPixelSides(1), 4, 3, 0, true), (Rows{"Y234", "5116", "9787"}));
    EXPECT_EQ(Drawn(TwoPixelSides(5), 4, 3, 0, true), (Rows{"Y234", "5WU6", "9787"}));
}

TEST(DrawBorderMask, ARectangleOnePixelWideOrHighDrawsNothing)
{
    EXPECT_EQ(Drawn(TwoPixelSides(5), 1, 3), (Rows{"1", "1", "1"}));
    EXPECT_EQ(Drawn(TwoPixelSides(5), 4, 1), (Rows{"1111"}));
    EXPECT_EQ(Drawn(TwoPixelSides(5), 2, 2), (Rows{"Y4", "97"}));
}

TEST(DrawBorderMask, TenAndElevenPixelRectanglesUseReducedBorders)
{
    // One frame 14 wide: six border columns each side, two in the middle.
    TsMaskData mask = OwnMask(Picture({"Y1234599654321", "Y1234599654321", "Y1234599654321"}), 1, 0, 0, 5);
    mask.WL = mask.WR = 6;
    mask.WT = mask.WB = 1;
    EXPECT_EQ(Drawn(mask, 10, 3)[1], "Y123454321");
    EXPECT_EQ(Drawn(mask, 11, 3)[1], "Y1234554321");
}

TEST(DrawBorderMask, FlatMasksDrawNothingInStateZero)
{
    // Three frames, StretchMode 7 like SPEEDBUTTON: stretched, hidden in state 0, centre.
    TsMaskData mask = OwnMask(Picture({"YYY111222", "YYY111222", "YYY111222"}), 3, 0, 1, 7);
    EXPECT_EQ(Drawn(mask, 3, 3, 0), (Rows{"111", "111", "111"}));
    EXPECT_EQ(Drawn(mask, 3, 3, 2), (Rows{"222", "222", "222"}));
    EXPECT_EQ(Drawn(mask, 3, 3, 1, false), (Rows{"111", "111", "111"}));
    TsMaskData zeroes = OwnMask(Picture({"YYY444222", "YYY444222", "YYY444222"}), 3, 0, 1, 7);
    EXPECT_EQ(Drawn(zeroes, 3, 3, 1), (Rows{"444", "444", "444"}));
}

TEST(DrawBorderMask, StatesBeyondTheCountDrawTheLastFrame)
{
    TsMaskData mask = OwnMask(Picture({"YYY444222", "YYY444222", "YYY444222"}), 3, 0, 1, 5);
    EXPECT_EQ(Drawn(mask, 3, 3, 5), (Rows{"222", "222", "222"}));
    EXPECT_EQ(Drawn(mask, 3, 3, -1), (Rows{"YYY", "YYY", "YYY"}));
}

TEST(DrawBorderMask, KeyCornersShowTheBackgroundAndNeverFuchsia)
{
    TsMaskData mask = OwnMask(Picture({"K2K", "252", "K2K"}), 1, 0, 1, 5);
    Image24 parent = Picture({"Y123", "4567", "89WB"});
    EXPECT_EQ(Drawn(mask, 3, 3, 0, true, BgFromImage(parent.View(), 1, 0)), (Rows{"123", "252", "92B"}));
    EXPECT_EQ(Drawn(mask, 3, 3, 0, true, BgFromColor(0xFFFFFF)), (Rows{"W2W", "252", "W2W"}));
    // Without cornersOnBackground a picture background leaves the holes, a colour still fills them.
    EXPECT_EQ(Drawn(mask, 3, 3, 0, true, BgFromImage(parent.View(), 0, 0), false), (Rows{"121", "252", "121"}));
    EXPECT_EQ(Drawn(mask, 3, 3, 0, true, BgFromColor(0xFFFFFF), false), (Rows{"W2W", "252", "W2W"}));
    EXPECT_EQ(Drawn(mask, 3, 3, 0, true, {}), (Rows{"121", "252", "121"})) << "no background leaves them";
}

TEST(DrawBorderMask, MaskRowOfBlackCopiesAndOfWhiteKeepsTheTarget)
{
    Image24 picture = Picture({"R2U", "2W2", "U2R", "BBB", "BBB", "BBB"});
    EXPECT_EQ(Drawn(OwnMask(picture, 1, 1, 1, 5), 3, 3), (Rows{"R2U", "2W2", "U2R"}));
    Image24 white = Picture({"R2U", "2W2", "U2R", "WWW", "WWW", "WWW"});
    Image24 image = Solid(3, 3, RGB(100, 100, 100));
    DrawBorderMask(image.View(), image.View().Bounds(), true, true, 0, OwnMask(white, 1, 1, 1, 5), {});
    // (255 x D + S) div 256 per channel
    EXPECT_EQ(image.At(0, 0), RGB(100, 99, 99));
    EXPECT_EQ(image.At(1, 1), RGB(100, 100, 100));
    EXPECT_EQ(image.At(1, 0), RGB(99, 99, 99));
}

TEST(DrawBorderMask, MaskRowPartsAreTiledNeverStretched)
{
    Image24 picture = Picture({"Y234", "5WU6", "9787", "BBBB", "BBBB", "BBBB"});
    EXPECT_EQ(Drawn(OwnMask(picture, 1, 1, 1, 5), 7, 4), (Rows{"Y232324", "5WUWUW6", "5WUWUW6", "9787877"}));
}

TEST(DrawBorderMask, MaskRowCornerKeysFollowTheBackground)
{
    Image24 picture = Picture({"K2K", "252", "K2K", "BBB", "BBB", "BBB"});
    TsMaskData mask = OwnMask(picture, 1, 1, 1, 5);
    EXPECT_EQ(Drawn(mask, 3, 3, 0, true, BgFromColor(0xFFFFFF)), (Rows{"W2W", "252", "W2W"}));
    EXPECT_EQ(Drawn(mask, 3, 3, 0, true, BgFromColor(0xFFFFFF), false), (Rows{"121", "252", "121"}));
}

TEST(DrawBorderMask, InternalButtonFramesForStatesOneAndFive)
{
    const TsSkinModel& skin = OpusSkin();
    const TsMaskData& button = MaskDataOf(skin, "BUTTON", "BORDERSMASK");
    ASSERT_EQ(MaskFrameSize(button), (Size{14, 22}));
    ConstView24 master = skin.MasterBitmap().View();
    for (auto [state, frame] : {std::pair{1, 1}, {5, 2}}) {
        Image24 image = Solid(14, 22, RGB(1, 2, 3));
        DrawBorderMask(image.View(), image.View().Bounds(), true, true, state, button, BgFromColor(0x030201));
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 14; ++x) {
                Rgb24 source = master.At(button.Left + frame * 14 + x, button.Top + y);
                ASSERT_EQ(image.At(x, y), source == kFuchsia ? RGB(1, 2, 3) : source) << state << " " << x << "," << y;
            }
    }
}

TEST(DrawBorderMask, InternalButtonOverThePictureOfItsParent)
{
    const TsSkinModel& skin = OpusSkin();
    const TsMaskData& button = MaskDataOf(skin, "BUTTON", "BORDERSMASK");
    Image24 parent(120, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            parent.At(x, y) = RGB(x * 2, y * 6, 77);
    Image24 image = Solid(99, 25, kFuchsia);
    DrawBorderMask(image.View(), image.View().Bounds(), true, true, 0, button, BgFromImage(parent.View(), 10, 5));
    int shown = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 99; ++x) {
            ASSERT_NE(image.At(x, y), kFuchsia) << x << "," << y;
            shown += image.At(x, y) == parent.At(x + 10, y + 5);
        }
    EXPECT_GT(shown, 0) << "the rounded corners show the parent";
    EXPECT_EQ(image.At(0, 0), parent.At(10, 5));
    EXPECT_EQ(image.At(98, 24), parent.At(108, 29));
}

TEST(DrawBorderMask, ARectangleReachingPastTheBitmapDrawsItsVisiblePart)
{
    Image24 picture = Picture({"Y234", "5WU6", "9787", "BBBB", "BBBB", "BBBB"});
    TsMaskData mask = OwnMask(picture, 1, 1, 1, 4);
    Image24 image = Solid(3, 3, kUnder);
    // A 7 x 7 rectangle from (-2, -2): the bitmap sees columns 2..4 of its
    // side rows, where the centre "WU" is tiled from column 1.
    DrawBorderMask(image.View(), {-2, -2, 5, 5}, true, true, 0, mask, {});
    EXPECT_EQ(Letters(image.View()), (Rows{"UWU", "UWU", "UWU"}));
    Image24 far = Solid(3, 3, kUnder);
    DrawBorderMask(far.View(), {-1000000, -1, 1000000, 4}, true, true, 0, mask, {});
    EXPECT_EQ(Letters(far.View())[0], "UWU");  // the centre starts at -999999, an odd distance away
}
