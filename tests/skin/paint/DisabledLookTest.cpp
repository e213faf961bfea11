// The look of a disabled control.

#include <gtest/gtest.h>

#include "skin/paint/PaintTestImages.h"
#include "skin/paint/DisabledLook.h"

TEST(ApplyDisabledLook, BlendedOverAPlainColourIsAHalfTint)
{
    Image24 control = Solid(2, 2, RGB(200, 100, 0));
    ApplyDisabledLook(control.View(), dkBlended, 0x000000, {}, BgFromColor(0xFFFFFF));
    EXPECT_EQ(control.At(1, 1), RGB(228, 178, 128));  // 227.5, 177.5, 127.5 rounded up
}

TEST(ApplyDisabledLook, GreyedAndBlendedIsGreyFirst)
{
    Image24 control = Solid(1, 1, RGB(200, 100, 0));
    ApplyDisabledLook(control.View(), dkBlended | dkGrayed, 0x000000, {}, BgFromColor(0xFFFFFF));
    EXPECT_EQ(control.At(0, 0), RGB(178, 178, 178));  // grey 100, then half way to white
}

TEST(ApplyDisabledLook, GreyedAloneOnlyGreys)
{
    Image24 control = Solid(1, 1, RGB(200, 100, 0));
    ApplyDisabledLook(control.View(), dkGrayed, 0x000000, {}, BgFromColor(0xFFFFFF));
    EXPECT_EQ(control.At(0, 0), RGB(100, 100, 100));
}

TEST(ApplyDisabledLook, OverAPictureSixtyPercentParent)
{
    Image24 parent = Picture({"BBBB", "BBWB", "BBBB"});
    Image24 control = Solid(2, 2, RGB(100, 100, 100));
    ApplyDisabledLook(control.View(), dkBlended, 0x000000, {1, 0}, BgFromImage(parent.View(), 0, 1));
    // Control pixel (1, 0) lies over parent pixel (2, 1), the white one: 0.6 x 255 + 0.4 x 100.
    EXPECT_EQ(control.At(1, 0), RGB(193, 193, 193));
    EXPECT_EQ(control.At(0, 0), RGB(40, 40, 40));
}

TEST(ApplyDisabledLook, WithoutABackgroundTheControlsOwnColourIsUsed)
{
    Image24 control = Solid(1, 1, RGB(0, 0, 0));
    ApplyDisabledLook(control.View(), dkBlended, 0x0000FF, {}, BgFromColor(kSkinKeyColor));
    EXPECT_EQ(control.At(0, 0), RGB(128, 0, 0));
}

TEST(ApplyDisabledLook, NoKindsChangeNothing)
{
    Image24 control = Solid(1, 1, RGB(200, 100, 0));
    ApplyDisabledLook(control.View(), 0, 0x000000, {}, BgFromColor(0xFFFFFF));
    EXPECT_EQ(control.At(0, 0), RGB(200, 100, 0));
}
