// Skin items copied to device contexts, window borders drawn into a cache and
// its bands, window regions from key-colour runs, the platform's colour table.

#include <gtest/gtest.h>

#include <windows.h>

#include "gfx/TestData.h"
#include "skin/gdi/HoleRegion.h"
#include "skin/paint/SkinItem.h"
#include "skin/gdi/SkinItemToDC.h"
#include "skin/model/SkinModel.h"
#include "skin/gdi/SystemColorTable.h"
#include "skin/gdi/WindowBorder.h"
#include "toolkit/Bitmap.h"

namespace {

const TsSkinModel& Opus()
{
    static TsSkinModel* skin = [] {
        auto* model = new TsSkinModel;
        model->LoadFromPackageData(ReadTestFile(HostPath(PVX_PAINTING_SKIN_PACKAGE)));
        return model;
    }();
    return *skin;
}

void Fill(TBitmap& bitmap, Rgb24 colour)
{
    View24 pixels = bitmap.Pixels24();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            pixels.At(x, y) = colour;
}

TsSectionRef EditSection()
{
    return TsSectionRef::Resolve(&Opus(), "EDIT");
}
constexpr int32_t kEditColor = 0x00FF00;

constexpr Rgb24 kGround{7, 8, 9};

}  // namespace

TEST(PaintSkinItemToDC, CopiesTheItemToTheRectangleAndRestoresTheDC)
{
    const TsSkinModel& skin = Opus();
    const TsSectionRef button = TsSectionRef::Resolve(&skin, "BUTTON");
    TBitmap target(120, 40);
    Fill(target, kGround);
    HDC dc = target.Canvas().Handle();
    HGDIOBJ brush = GetStockObject(GRAY_BRUSH);
    HGDIOBJ before = SelectObject(dc, brush);
    const Rect rect{10, 5, 109, 30};
    PaintSkinItemToDC(button, BgFromColor(0xE4EAED), dc, rect, 1, true);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    SelectObject(dc, before);

    Image24 expected(99, 25);
    PaintSkinItem(TsPaintTarget(expected.View(), BgFromColor(0xE4EAED)), button, expected.View().Bounds(), 1, true);
    View24 pixels = target.Pixels24();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            Rgb24 want = rect.Contains({x, y}) ? expected.At(x - 10, y - 5) : kGround;
            ASSERT_EQ(pixels.At(x, y), want) << x << "," << y;
        }
}

TEST(PaintSkinItemToDC, NothingWithoutADcOrAValidSection)
{
    const TsSkinModel& skin = Opus();
    TBitmap target(20, 20);
    Fill(target, kGround);
    PaintSkinItemToDC(TsSectionRef::ResolveIndex(&skin, -1), {}, target.Canvas().Handle(), {0, 0, 20, 20}, 0, true);
    PaintSkinItemToDC(EditSection(), {}, nullptr, {0, 0, 20, 20}, 0, true);
    EXPECT_EQ(target.Pixels24().At(10, 10), kGround);
}

TEST(PaintWindowBorder, DrawsTheBorderIntoTheCacheAndCopiesItsBands)
{
    TBitmap cache;
    TBitmap window(50, 30);
    Fill(window, kGround);
    Rect client;
    ASSERT_TRUE(PaintWindowBorder(window.Canvas().Handle(), {0, 0, 50, 30}, 2, client, 0, EditSection(), kEditColor, cache,
                                  BgFromColor(0xE4EAED)));
    EXPECT_EQ(client, (Rect{2, 2, 48, 28}));
    ASSERT_EQ(cache.Width(), 50);
    ASSERT_EQ(cache.Height(), 30);
    View24 drawn = window.Pixels24(), cached = cache.Pixels24();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x) {
            bool band = x < 2 || y < 2 || x >= 48 || y >= 28;
            ASSERT_EQ(drawn.At(x, y), band ? cached.At(x, y) : kGround) << x << "," << y;
        }
    EXPECT_NE(cached.At(0, 10), kGround);
}

TEST(PaintWindowBorder, AWiderWindowBorderFillsTheGapWithTheControlsColour)
{
    TBitmap cache(50, 30);
    TBitmap window(50, 30);
    Fill(window, kGround);
    Rect client;
    ASSERT_TRUE(PaintWindowBorder(window.Canvas().Handle(), {0, 0, 50, 30}, 3, client, 0, EditSection(), kEditColor, cache,
                                  BgFromColor(0xE4EAED)));
    EXPECT_EQ(client, (Rect{3, 3, 47, 27}));
    View24 drawn = window.Pixels24();
    const Rgb24 green{0, 255, 0};
    EXPECT_EQ(drawn.At(2, 15), green);
    EXPECT_EQ(drawn.At(25, 2), green);
    EXPECT_EQ(drawn.At(47, 15), green);
    EXPECT_EQ(drawn.At(25, 27), green);
    EXPECT_EQ(drawn.At(25, 15), kGround);
}

TEST(PaintWindowBorder, WithoutABorderMaskNothingChanges)
{
    TsSectionRef section = EditSection();
    section.BorderMask = -1;
    TBitmap cache;
    Rect client{1, 2, 3, 4};
    EXPECT_FALSE(PaintWindowBorder(nullptr, {0, 0, 50, 30}, 2, client, 0, section, kEditColor, cache, {}));
    EXPECT_EQ(client, (Rect{1, 2, 3, 4}));
    EXPECT_TRUE(cache.Empty());
}

TEST(HoleRegion, TheShapeLacksEveryRun)
{
    std::vector<Rect> runs{{0, 0, 2, 1}, {0, 1, 1, 2}, {8, 0, 10, 1}};
    UniqueRegion region = ShapeRegion({10, 4}, runs);
    ASSERT_TRUE(region);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 1, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 2, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 1));
    EXPECT_TRUE(PtInRegion(region.Get(), 1, 1));
    EXPECT_FALSE(PtInRegion(region.Get(), 9, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 9, 3));
    EXPECT_FALSE(PtInRegion(region.Get(), 10, 3));
}

TEST(SystemColorTable, SystemColoursResolveThroughThePlatform)
{
    InstallSystemColorTable();
    EXPECT_EQ(uint32_t(ResolveSkinColor(int32_t(0xFF00000F))), uint32_t(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(uint32_t(ResolveSkinColor(int32_t(0xFF000005))), uint32_t(GetSysColor(COLOR_WINDOW)));
    SetSystemColorLookup(nullptr);
}
