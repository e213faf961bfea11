// Gradients: the two-colour bands, the triangles and the skin's segments.

#include <gtest/gtest.h>

#include "gfx/Gradient.h"
#include "gfx/TriangleGradient.h"
#include "skin/paint/PaintTestImages.h"
#include "skin/paint/SkinGradient.h"

namespace {

constexpr Rgb24 kUnpainted = RGB(1, 2, 3);

TsGradSegment Segment(int32_t c1, int32_t c2, int percent, int mode)
{
    return {c1, c2, uint8_t(percent), mode};
}

constexpr int32_t kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kWhite = 0xFFFFFF;

}  // namespace

TEST(FillVerticalGradient, RunsFromTheFirstToTheLastRow)
{
    Image24 image = Solid(2, 3, kUnpainted);
    FillVerticalGradient(image.View(), {0, 0, 2, 3}, RGB(0, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(image.At(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(image.At(1, 1), RGB(128, 128, 128));
    EXPECT_EQ(image.At(1, 2), RGB(255, 255, 255));
    Image24 one = Solid(1, 1, kUnpainted);
    FillVerticalGradient(one.View(), {0, 0, 1, 1}, RGB(9, 9, 9), RGB(200, 200, 200));
    EXPECT_EQ(one.At(0, 0), RGB(9, 9, 9));
}

TEST(FillHorizontalGradient, MixesAlongTheColumnsOfTheWholeArea)
{
    Image24 image = Solid(3, 2, kUnpainted);
    FillHorizontalGradient(image.View(), {-1, 0, 4, 2}, RGB(0, 0, 0), RGB(200, 0, 0));
    // Columns -1..3 of the area: 0, 50, 100, 150, 200.
    EXPECT_EQ(image.At(0, 1), RGB(50, 0, 0));
    EXPECT_EQ(image.At(2, 1), RGB(150, 0, 0));
}

TEST(FillGradient, NinetySevenPercentOverThirtyRowsLeavesNothingForTheSecondSegment)
{
    Image24 image = Solid(2, 30, kUnpainted);
    FillGradient(image.View(), {0, 0, 2, 30}, {Segment(kRed, kBlue, 97, 0), Segment(kGreen, kGreen, 0, 0)});
    // 30 x 97 div 100 = 29, the last row: the first segment covers 0..29.
    EXPECT_EQ(image.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(image.At(0, 29), RGB(0, 0, 255));
    EXPECT_EQ(image.At(1, 14), RGB(132, 0, 123));  // 255 - 14 x 255 / 29 = 131.9 and 123.1
    for (int y = 0; y < 30; ++y)
        ASSERT_NE(image.At(0, y), RGB(0, 255, 0)) << y;
}

TEST(FillGradient, NinetySevenPercentOverAHundredRowsEndsOnRowNinetySeven)
{
    Image24 image = Solid(1, 100, kUnpainted);
    FillGradient(image.View(), {0, 0, 1, 100}, {Segment(kRed, kBlue, 97, 0), Segment(kGreen, kWhite, 0, 0)});
    EXPECT_EQ(image.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(image.At(0, 96), RGB(3, 0, 252));  // one step short of blue
    // The second segment starts on row 97, repainting it, and ends on 99.
    EXPECT_EQ(image.At(0, 97), RGB(0, 255, 0));
    EXPECT_EQ(image.At(0, 98), RGB(128, 255, 128));
    EXPECT_EQ(image.At(0, 99), RGB(255, 255, 255));
}

TEST(FillGradient, TheInternalSkinsBarPanel)
{
    // BARPANEL: 97 % from 15002349 to white, the rest white, over 30 rows.
    TsGradArray bar = ParseGradientData("15002349;16777215;97;0;0;16777215;16777215;0;0;0");
    Image24 image = Solid(3, 30, kUnpainted);
    FillGradient(image.View(), {0, 0, 3, 30}, bar);
    EXPECT_EQ(image.At(0, 0), RGB(237, 234, 228));
    EXPECT_EQ(image.At(2, 28), RGB(254, 254, 254));
    EXPECT_EQ(image.At(2, 29), RGB(255, 255, 255));
}

TEST(FillGradient, ClipsToTheBitmapAndMeasuresTheClippedRows)
{
    Image24 image = Solid(2, 4, kUnpainted);
    // Rows 2..9 asked, rows 2..3 usable: the only segment spans those two rows.
    FillGradient(image.View(), {0, 2, 2, 10}, {Segment(kRed, kBlue, 100, 0)});
    EXPECT_EQ(image.At(0, 1), kUnpainted);
    EXPECT_EQ(image.At(0, 2), RGB(255, 0, 0));
    EXPECT_EQ(image.At(0, 3), RGB(0, 0, 255));
}

TEST(FillGradient, OtherModesAndNoSegmentsPaintNothing)
{
    Image24 image = Solid(3, 3, kUnpainted);
    FillGradient(image.View(), image.View().Bounds(), {Segment(kRed, kBlue, 100, 3)});
    FillGradient(image.View(), image.View().Bounds(), {});
    FillGradient(image.View(), {5, 5, 9, 9}, {Segment(kRed, kBlue, 100, 0)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(image.At(x, y), kUnpainted);
}

TEST(FillGradient, HorizontalSegmentsEndAtTheRoundedColumn)
{
    Image24 image = Solid(10, 2, kUnpainted);
    FillGradient(image.View(), {0, 0, 10, 2}, {Segment(kRed, kBlue, 45, 1), Segment(kGreen, kWhite, 10, 1)});
    // round(0 + 45 x 10 / 100) = round(4.5) = 5: columns 0..5, then 5..9.
    EXPECT_EQ(image.At(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(image.At(4, 1), RGB(51, 0, 204));
    EXPECT_EQ(image.At(5, 1), RGB(0, 255, 0));
    EXPECT_EQ(image.At(9, 0), RGB(255, 255, 255));
}

TEST(FillGradient, CornerMeshCoversTheWholeRectangle)
{
    Image24 image = Solid(9, 7, kUnpainted);
    FillGradient(image.View(), {1, 1, 8, 6},
                 {Segment(kRed, 0, 0, 2), Segment(kBlue, 0, 0, 2), Segment(kGreen, 0, 0, 2)});
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            bool inside = x >= 1 && x < 8 && y >= 1 && y < 6;
            ASSERT_EQ(image.At(x, y) != kUnpainted, inside) << x << "," << y;
        }
    // Corners 3 and 4 have no segment and take the green of corner 2: pixel
    // (7, 5) lies in the triangle centre, top-right, bottom-right, an eighth
    // of the way from the right edge to the blue centre.
    EXPECT_EQ(image.At(7, 5), RGB(0, 223, 32));
}

TEST(FillGradient, CornerMeshColoursThePixelsByTheirCentres)
{
    Image24 image = Solid(4, 4, kUnpainted);
    FillGradient(image.View(), {0, 0, 4, 4},
                 {Segment(kRed, 0, 0, 2), Segment(0, 0, 0, 2), Segment(kRed, 0, 0, 2), Segment(kRed, 0, 0, 2),
                  Segment(kRed, 0, 0, 2)});
    // Red corners, a black centre at (2, 2): pixel (0, 0) is a quarter of the way in.
    EXPECT_EQ(image.At(0, 0), RGB(191, 0, 0));
    EXPECT_EQ(image.At(1, 1), RGB(64, 0, 0));
    EXPECT_EQ(image.At(3, 0), RGB(191, 0, 0));
}

TEST(FillTriangleGradient, TrianglesSharingAnEdgeNeitherOverlapNorLeaveAGap)
{
    const Rgb24 w = RGB(255, 255, 255);
    for (auto [a, b, c, d] : {std::array<Point, 4>{Point{0, 0}, {7, 0}, {7, 5}, {0, 5}},
                              std::array<Point, 4>{Point{0, 0}, {5, 0}, {5, 5}, {0, 5}}}) {
        Image24 first = Solid(8, 6, RGB(0, 0, 0));
        Image24 second = Solid(8, 6, RGB(0, 0, 0));
        FillTriangleGradient(first.View(), {GradientVertex{a, w}, {b, w}, {c, w}});
        FillTriangleGradient(second.View(), {GradientVertex{a, w}, {c, w}, {d, w}});
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) {
                bool inSquare = x < c.x && y < c.y;
                int painted = (first.At(x, y) == w) + (second.At(x, y) == w);
                ASSERT_EQ(painted, inSquare ? 1 : 0) << x << "," << y;
            }
    }
}

TEST(FillTriangleGradient, DegenerateTrianglesPaintNothing)
{
    Image24 image = Solid(4, 4, kUnpainted);
    FillTriangleGradient(image.View(), {GradientVertex{{0, 0}, RGB(9, 9, 9)}, {{2, 2}, {}}, {{4, 4}, {}}});
    EXPECT_EQ(image.At(1, 1), kUnpainted);
}
