// Key-colour runs in border corners: the shaped border drawing and the runs
// of a form's window region.

#include <gtest/gtest.h>

#include "skin/paint/PaintTestImages.h"
#include "skin/paint/PaintTestSkin.h"
#include "skin/paint/BorderMaskShaped.h"
#include "skin/paint/MaskHoleRuns.h"

using Rows = std::vector<std::string>;

namespace {

// Two frames 6 x 4 with 2-pixel borders; frame 0 has key pixels in its
// corners, frame 1 has none.
TsMaskData RoundedFrames()
{
    return OwnMask(Picture({"KK22KK333333", "K2222K333333", "222222333333", "KKK2KK333333"}), 2, 0, 2, 1);
}

}  // namespace

TEST(MaskHoleRuns, OpaqueCornersAddNoRectangle)
{
    std::vector<Rect> runs;
    TsMaskData opaque = OwnMask(Picture({"222222", "222222", "222222", "222222"}), 1, 0, 2, 1);
    MaskHoleRuns(runs, 100, opaque, false, 0);
    MaskHoleRuns(runs, 100, opaque, true, 50);
    EXPECT_TRUE(runs.empty());
}

TEST(MaskHoleRuns, TopCornersOfFrameZeroInWindowCoordinates)
{
    std::vector<Rect> runs;
    MaskHoleRuns(runs, 20, RoundedFrames(), false, 3);
    EXPECT_EQ(runs, (std::vector<Rect>{{0, 3, 2, 4}, {0, 4, 1, 5}, {18, 3, 20, 4}, {19, 4, 20, 5}}));
}

TEST(MaskHoleRuns, BottomCornersAreTheLastRowsOfFrameZero)
{
    std::vector<Rect> runs;
    MaskHoleRuns(runs, 20, RoundedFrames(), true, 40);
    // Row 2 of the frame is opaque; row 3 has "KK" in both corners.
    EXPECT_EQ(runs, (std::vector<Rect>{{0, 41, 2, 42}, {18, 41, 20, 42}}));
}

TEST(MaskHoleRuns, RunsAreAppended)
{
    std::vector<Rect> runs{{1, 1, 2, 2}};
    MaskHoleRuns(runs, 20, RoundedFrames(), true, 0);
    EXPECT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs.front(), (Rect{1, 1, 2, 2}));
}

TEST(MaskHoleRuns, TheInternalFormHasRoundedTopCornersAndSquareBottomOnes)
{
    const TsMaskData& form = MaskDataOf(OpusSkin(), "FORM", "BORDERSMASK");
    std::vector<Rect> runs;
    MaskHoleRuns(runs, 491, form, false, 0);
    EXPECT_EQ(runs, (std::vector<Rect>{{0, 0, 2, 1}, {0, 1, 1, 2}, {489, 0, 491, 1}, {490, 1, 491, 2}}));
    runs.clear();
    MaskHoleRuns(runs, 491, form, true, 565);
    EXPECT_TRUE(runs.empty());
}

TEST(DrawBorderMaskShaped, KeyPixelsStayAndBecomeRuns)
{
    Image24 image = Solid(8, 4, RGB(100, 100, 100));
    std::vector<Rect> runs;
    DrawBorderMaskShaped(image.View(), &runs, false, 0, RoundedFrames());
    // Sides are stretched with their key pixels left out too (the bottom side's "K2").
    EXPECT_EQ(Letters(image.View()), (Rows{"44222244", "42222224", "22222222", "44442244"}));
    // Corners only, in drawing order: top-left, bottom-left, bottom-right, top-right.
    EXPECT_EQ(runs, (std::vector<Rect>{{0, 0, 2, 1}, {0, 1, 1, 2}, {0, 3, 2, 4}, {6, 3, 8, 4}, {6, 0, 8, 1},
                                       {7, 1, 8, 2}}));
}

TEST(DrawBorderMaskShaped, WithoutARegionOnlyDraws)
{
    Image24 image = Solid(6, 4, RGB(100, 100, 100));
    DrawBorderMaskShaped(image.View(), nullptr, false, 1, RoundedFrames());
    EXPECT_EQ(Letters(image.View()), (Rows{"333333", "333333", "333333", "333333"}));
}

TEST(DrawBorderMaskShaped, AMaskRowBlendsEveryPart)
{
    TsMaskData masked = OwnMask(Picture({"K2K", "2R2", "K2K", "BBB", "BWB", "BBB"}), 1, 1, 1, 5);
    Image24 image = Solid(3, 3, RGB(100, 100, 100));
    DrawBorderMaskShaped(image.View(), nullptr, true, 0, masked);
    EXPECT_EQ(Letters(image.View())[0], "424");
    EXPECT_EQ(image.At(1, 1), RGB(100, 99, 99)) << "the centre through its white mask";
}
