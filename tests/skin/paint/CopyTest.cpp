// Block copies, tiles, keyed copies, faded copies and copies through a mask row.

#include <gtest/gtest.h>

#include "gfx/Blit.h"
#include "gfx/FadeCopy.h"
#include "gfx/KeyedCopy.h"
#include "gfx/MaskedCopy.h"
#include "skin/paint/PaintTestImages.h"

using Rows = std::vector<std::string>;

TEST(ClipCopy, CutsBothSidesAndKeepsPixelsInPlace)
{
    CopyArea a = ClipCopy({4, 4}, {-1, 2}, {3, 3}, {0, 0, 3, 3});
    EXPECT_EQ(a.source, (Rect{1, 0, 3, 2}));
    EXPECT_EQ(a.target, (Point{0, 2}));
    CopyArea b = ClipCopy({4, 4}, {0, 0}, {3, 3}, {-2, -1, 2, 2});
    EXPECT_EQ(b.source, (Rect{0, 0, 2, 2}));
    EXPECT_EQ(b.target, (Point{2, 1}));
    EXPECT_TRUE(ClipCopy({4, 4}, {4, 0}, {3, 3}, {0, 0, 3, 3}).IsEmpty());
    EXPECT_TRUE(ClipCopy({4, 4}, {0, 0}, {3, 3}, {3, 0, 5, 3}).IsEmpty());
}

TEST(CopyPixels, CopiesTheClippedBlock)
{
    Image24 target = Solid(3, 3, RGB(0, 0, 0));
    Image24 source = Picture({"RG", "UW"});
    CopyPixels(target.View(), {2, 1}, source.View(), source.View().Bounds());
    EXPECT_EQ(Letters(target.View()), (Rows{"BBB", "BBR", "BBU"}));
}

TEST(TileImage, WholeTilesFromTheTopLeftCutAtTheFarEdges)
{
    Image24 target = Solid(6, 4, RGB(0, 0, 0));
    Image24 tile = Picture({"RG", "UW"});
    TileImage(target.View(), {1, 1, 6, 4}, tile.View());
    EXPECT_EQ(Letters(target.View()), (Rows{"BBBBBB", "BRGRGR", "BUWUWU", "BRGRGR"}));
}

TEST(TileImage, KeepsThePhaseWhenTheAreaStartsOutsideTheTarget)
{
    Image24 target = Solid(3, 2, RGB(0, 0, 0));
    Image24 tile = Picture({"RGU"});
    TileImage(target.View(), {-4, -1, 3, 2}, tile.View());
    // Columns -4.. hold R G U R G U R: the target sees G U R.
    EXPECT_EQ(Letters(target.View()), (Rows{"GUR", "GUR"}));
}

TEST(CopyKeyedRect, HolesKeepTheTargetFillWithAColourOrShowAPicture)
{
    Image24 source = Picture({"RK", "KG"});
    Image24 kept = Solid(2, 2, RGB(0, 0, 0));
    CopyKeyedRect(kept.View(), source.View(), {0, 0}, HoleFill::KeepTarget(), kFuchsia, source.View().Bounds());
    EXPECT_EQ(Letters(kept.View()), (Rows{"RB", "BG"}));

    Image24 coloured = Solid(2, 2, RGB(0, 0, 0));
    CopyKeyedRect(coloured.View(), source.View(), {0, 0}, HoleFill::WithColor(RGB(255, 255, 255)), kFuchsia,
                  source.View().Bounds());
    EXPECT_EQ(Letters(coloured.View()), (Rows{"RW", "WG"}));

    // The background picture's pixel at the target position plus the offset.
    Image24 behind = Picture({"Y123", "4567", "89WU"});
    Image24 shown = Solid(3, 3, RGB(0, 0, 0));
    CopyKeyedRect(shown.View(), source.View(), {1, 1}, HoleFill::FromImage(behind.View(), {1, -1}), kFuchsia,
                  source.View().Bounds());
    EXPECT_EQ(Letters(shown.View()), (Rows{"BBB", "BR3", "B6G"}));
}

TEST(CopyKeyedRect, AHolePastTheBackgroundPictureKeepsTheTarget)
{
    Image24 source = Picture({"KK"});
    Image24 behind = Picture({"W"});
    Image24 target = Solid(2, 1, RGB(0, 0, 0));
    CopyKeyedRect(target.View(), source.View(), {0, 0}, HoleFill::FromImage(behind.View(), {0, 0}), kFuchsia,
                  source.View().Bounds());
    EXPECT_EQ(Letters(target.View()), (Rows{"WB"}));
}

TEST(FadeCopyRect, BlendsSourceAndTargetByK)
{
    Image24 target = Solid(2, 1, RGB(0, 100, 255));
    Image24 source = Solid(2, 1, RGB(255, 0, 100));
    FadeCopyRect(target.View(), {0, 0}, std::nullopt, 0.4, source.View().Bounds(), source.View());
    // 0.6 x s + 0.4 x d: 153, 40, 162
    EXPECT_EQ(target.At(0, 0), RGB(153, 40, 162));
    FadeCopyRect(target.View(), {0, 0}, std::nullopt, 0.5, {0, 0, 1, 1}, Solid(1, 1, RGB(0, 0, 0)).View());
    EXPECT_EQ(target.At(0, 0), RGB(77, 20, 81));  // 76.5, 20, 81 rounded half up
}

TEST(FadeCopyRect, SkipsKeyPixelsOnlyWithAKey)
{
    Image24 source = Picture({"KW"});
    Image24 keyed = Solid(2, 1, RGB(0, 0, 0));
    FadeCopyRect(keyed.View(), {0, 0}, kFuchsia, 0.5, source.View().Bounds(), source.View());
    EXPECT_EQ(keyed.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(keyed.At(1, 0), RGB(128, 128, 128));
    Image24 every = Solid(2, 1, RGB(0, 0, 0));
    FadeCopyRect(every.View(), {0, 0}, std::nullopt, 0.5, source.View().Bounds(), source.View());
    EXPECT_EQ(every.At(0, 0), RGB(128, 0, 128));
}

TEST(CopyMaskedPiece, BlackMaskCopiesAndWhiteMaskKeepsTheTargetUpToRounding)
{
    // Row 0 the picture, row 1 its mask.
    Legend legend = DefaultLegend();
    Image24 source = Picture({"RU", "BW"}, legend);
    Image24 target = Solid(2, 1, RGB(100, 100, 100));
    CopyMaskedPiece(target.View(), {0, 0}, source.View(), {0, 0, 2, 1}, 1, kFuchsia, HoleFill::KeepTarget(), false);
    EXPECT_EQ(target.At(0, 0), RGB(255, 0, 0));
    // (255 x D + S) div 256: (25500 + 0) >> 8 = 99, (25500 + 255) >> 8 = 100
    EXPECT_EQ(target.At(1, 0), RGB(99, 99, 100));
}

TEST(CopyMaskedPiece, MixesByTheMaskPerChannel)
{
    Image24 source(1, 2);
    source.At(0, 0) = RGB(200, 200, 200);
    source.At(0, 1) = RGB(0, 128, 64);
    Image24 target = Solid(1, 1, RGB(0, 0, 100));
    CopyMaskedPiece(target.View(), {0, 0}, source.View(), {0, 0, 1, 1}, 1, kFuchsia, HoleFill::KeepTarget(), false);
    // (D x M + S x (256 - M)) div 256
    EXPECT_EQ(target.At(0, 0), RGB(200, 100, 175));
}

TEST(CopyMaskedPiece, KeyPixelsAreHolesOrBlended)
{
    Image24 source = Picture({"K", "B"});
    Image24 holes = Solid(1, 1, RGB(10, 20, 30));
    CopyMaskedPiece(holes.View(), {0, 0}, source.View(), {0, 0, 1, 1}, 1, kFuchsia, HoleFill::KeepTarget(), false);
    EXPECT_EQ(holes.At(0, 0), RGB(10, 20, 30));
    CopyMaskedPiece(holes.View(), {0, 0}, source.View(), {0, 0, 1, 1}, 1, kFuchsia,
                    HoleFill::WithColor(RGB(1, 2, 3)), false);
    EXPECT_EQ(holes.At(0, 0), RGB(1, 2, 3));
    CopyMaskedPiece(holes.View(), {0, 0}, source.View(), {0, 0, 1, 1}, 1, kFuchsia, HoleFill::KeepTarget(), true);
    EXPECT_EQ(holes.At(0, 0), kFuchsia);
}

TEST(CopyMaskedPiece, NeverReadsAMaskRowBelowTheSource)
{
    Image24 source = Picture({"R", "B", "U"});
    Image24 target = Solid(1, 3, RGB(0, 255, 0));
    CopyMaskedPiece(target.View(), {0, 0}, source.View(), {0, 0, 1, 3}, 2, kFuchsia, HoleFill::KeepTarget(), false);
    EXPECT_EQ(Letters(target.View()), (Rows{"R", "G", "G"}));
}

TEST(CopyMaskedGlyph, BlendsThroughTheMaskAndSkipsKeys)
{
    Image24 source(3, 2);
    source.At(0, 0) = RGB(0, 0, 0);
    source.At(1, 0) = kFuchsia;
    source.At(2, 0) = RGB(255, 255, 255);
    source.At(0, 1) = RGB(0, 0, 0);
    source.At(1, 1) = RGB(0, 0, 0);
    source.At(2, 1) = RGB(128, 255, 0);
    Image24 target = Solid(3, 1, RGB(100, 100, 100));
    CopyMaskedGlyph(target.View(), {0, 0}, source.View(), {0, 0, 3, 1}, 1, kFuchsia, 0);
    EXPECT_EQ(target.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(target.At(1, 0), RGB(100, 100, 100));
    // S + (D - S) x M div 256, truncating towards zero: 255 - 77 = 178, 255 - 154 = 101, 255
    EXPECT_EQ(target.At(2, 0), RGB(178, 101, 255));
}

TEST(CopyMaskedGlyph, TheBoostRaisesTheMask)
{
    Image24 source = Picture({"B", "B"});
    Image24 target = Solid(1, 1, RGB(200, 200, 200));
    CopyMaskedGlyph(target.View(), {0, 0}, source.View(), {0, 0, 1, 1}, 1, kFuchsia, 100);
    EXPECT_EQ(target.At(0, 0), RGB(78, 78, 78));  // 200 x 100 div 256
    Image24 capped = Solid(1, 1, RGB(200, 200, 200));
    Image24 faint = Picture({"B", "9"});  // mask 225 + 100 is capped at 255
    CopyMaskedGlyph(capped.View(), {0, 0}, faint.View(), {0, 0, 1, 1}, 1, kFuchsia, 100);
    EXPECT_EQ(capped.At(0, 0), RGB(199, 199, 199));
}
