// Area-averaging stretch.

#include <gtest/gtest.h>

#include "gfx/Stretch.h"
#include "skin/paint/PaintTestImages.h"

namespace {

Image24 Row(std::initializer_list<int> greys)
{
    Image24 image(int(greys.size()), 1);
    int x = 0;
    for (int g : greys)
        image.At(x++, 0) = RGB(g, g, g);
    return image;
}

std::vector<int> Greys(ConstView24 view, int y = 0)
{
    std::vector<int> out;
    for (int x = 0; x < view.Width(); ++x)
        out.push_back(view.At(x, y).r);
    return out;
}

Image24 Stretched(const Image24& source, int width, int height)
{
    Image24 target(width, height);
    StretchRect(target.View(), target.View().Bounds(), source.View(), source.View().Bounds());
    return target;
}

}  // namespace

TEST(StretchRect, EqualSizesCopy)
{
    Image24 source = Picture({"RGU", "WB5"});
    Image24 target = Stretched(source, 3, 2);
    EXPECT_EQ(Letters(target.View()), Letters(source.View()));
}

TEST(StretchRect, OnePixelFillsTheWholeTarget)
{
    Image24 target = Stretched(Solid(1, 1, RGB(10, 20, 30)), 5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(target.At(x, y), RGB(10, 20, 30));
}

TEST(StretchRect, WholeMultiplesRepeatPixelsWithoutMixing)
{
    EXPECT_EQ(Greys(Stretched(Row({0, 255}), 4, 1).View()), (std::vector<int>{0, 0, 255, 255}));
}

TEST(StretchRect, APixelStraddlingTwoSourcePixelsTakesTheirMean)
{
    EXPECT_EQ(Greys(Stretched(Row({0, 255}), 3, 1).View()), (std::vector<int>{0, 128, 255}));
}

TEST(StretchRect, ShrinkingAveragesByCoveredArea)
{
    EXPECT_EQ(Greys(Stretched(Row({0, 100, 200, 255}), 2, 1).View()), (std::vector<int>{50, 228}));
    // Each target pixel covers 1.5 source pixels: (30 + 0.5 x 60) / 1.5 and (0.5 x 60 + 90) / 1.5
    EXPECT_EQ(Greys(Stretched(Row({30, 60, 90}), 2, 1).View()), (std::vector<int>{40, 80}));
}

TEST(StretchRect, BothAxesMixTogether)
{
    Image24 source = Picture({"B5", "5W"});  // 0, 125 / 125, 255
    Image24 target = Stretched(source, 3, 3);
    EXPECT_EQ(target.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(target.At(2, 2), RGB(255, 255, 255));
    EXPECT_EQ(target.At(1, 0), RGB(63, 63, 63));    // 62.5 rounds up
    EXPECT_EQ(target.At(1, 1), RGB(126, 126, 126));  // (0 + 125 + 125 + 255) / 4 = 126.25
    Image24 tall = Stretched(source, 2, 3);
    EXPECT_EQ(Greys(tall.View(), 1), (std::vector<int>{63, 190}));
}

TEST(StretchRect, APartlyVisibleTargetGetsThePixelsOfTheWholeStretch)
{
    Image24 source = Row({0, 60, 120, 180, 240});
    Image24 whole = Stretched(source, 7, 1);
    Image24 part = Solid(4, 1, RGB(1, 1, 1));
    StretchRect(part.View(), {-3, 0, 4, 1}, source.View(), source.View().Bounds());
    EXPECT_EQ(Greys(part.View()), (std::vector<int>{whole.At(3, 0).r, whole.At(4, 0).r, whole.At(5, 0).r,
                                                    whole.At(6, 0).r}));
}

TEST(StretchRect, SourceRectangleAndTargetRectangle)
{
    Image24 source = Picture({"RGUW"});
    Image24 target = Solid(4, 2, RGB(0, 0, 0));
    StretchRect(target.View(), {1, 0, 3, 2}, source.View(), {1, 0, 2, 1});
    EXPECT_EQ(Letters(target.View()), (std::vector<std::string>{"BGGB", "BGGB"}));
    StretchRect(target.View(), {0, 0, 0, 2}, source.View(), source.View().Bounds());  // empty target
    StretchRect(target.View(), {0, 0, 4, 2}, source.View(), {4, 0, 6, 1});            // source outside
    EXPECT_EQ(Letters(target.View()), (std::vector<std::string>{"BGGB", "BGGB"}));
}
