// The border corners of a cache show what lies behind the control.

#include <gtest/gtest.h>

#include "skin/paint/CornerRefill.h"
#include "skin/paint/PaintTestImages.h"
#include "skin/paint/PaintTestSkin.h"

using Rows = std::vector<std::string>;

namespace {

// CLEAR's border: 1-pixel borders, key-colour corners, grey 2 sides.
const TsMaskData& ClearBorder()
{
    const TsSkinModel& skin = PaintTestSkin();
    return skin.Masks()[std::size_t(MaskOf(skin, "CLEAR", "BORDERSMASK"))];
}

}  // namespace

TEST(RefillBorderCorners, KeyColourCornerPixelsShowTheParentsColourOrPicture)
{
    Image24 cache = Solid(4, 3, RGB(25, 25, 25));
    RefillBorderCorners(cache.View(), ClearBorder(), 0, kRefillAllCorners, BgFromColor(0xFF0000));
    EXPECT_EQ(Letters(cache.View()), (Rows{"U11U", "1111", "U11U"})) << "only the corner pixels change";

    Image24 parent = Picture({"Y12345", "6789WB", "RGUWBY", "54321Y"});
    Image24 onPicture = Solid(4, 3, RGB(25, 25, 25));
    RefillBorderCorners(onPicture.View(), ClearBorder(), 0, kRefillTopLeft | kRefillBottomRight,
                        BgFromImage(parent.View(), 2, 1));
    EXPECT_EQ(Letters(onPicture.View()), (Rows{"8111", "1111", "111Y"})) << "the parent's pixels at the offset";
}

TEST(RefillBorderCorners, ATinyCacheOrNothingBehindIsLeftAlone)
{
    Image24 thin = Solid(1, 3, RGB(25, 25, 25));
    RefillBorderCorners(thin.View(), ClearBorder(), 0, kRefillAllCorners, BgFromColor(0xFF0000));
    EXPECT_EQ(Letters(thin.View()), (Rows{"1", "1", "1"}));
    Image24 cache = Solid(3, 3, RGB(25, 25, 25));
    RefillBorderCorners(cache.View(), ClearBorder(), 0, kRefillAllCorners, {});
    EXPECT_EQ(Letters(cache.View()), (Rows{"111", "111", "111"}));
}
