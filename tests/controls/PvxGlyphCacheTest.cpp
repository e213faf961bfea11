// The glyph holder and the process-wide cache of its images: images drawn
// with their key colour left out, shared per size, freed with their holders.

#include <gtest/gtest.h>

#include "controls/PvxControlTestSupport.h"
#include "controls/PvxGlyph.h"
#include "controls/PvxGlyphCache.h"
#include "toolkit/Bitmap.h"

namespace {

// A 24-bit canvas filled with one colour to draw glyphs on.
struct Canvas {
    explicit Canvas(Rgb24 fill) : bitmap(40, 40)
    {
        View24 v = bitmap.Pixels24();
        for (int y = 0; y < v.Height(); ++y)
            for (int x = 0; x < v.Width(); ++x)
                v.At(x, y) = fill;
    }
    HDC Dc() { return bitmap.Canvas().Handle(); }
    Rgb24 At(int x, int y) { return bitmap.Pixels24().At(x, y); }
    TBitmap bitmap;
};

TEST(PvxGlyphCache, DrawsWithTheKeyColourLeftOut)
{
    Rgb24 red[] = {PureRed};
    Image24 picture = StripPicture(16, 16, 1, red, Fuchsia);
    picture.At(5, 5) = Fuchsia;
    TPvxGlyph glyph;
    glyph.Assign(picture.View());
    EXPECT_EQ(glyph.TransparentColor(), Fuchsia);
    Canvas canvas(PureGreen);
    glyph.Draw(canvas.Dc(), 10, 10, TPvxDrawState::Normal);
    EXPECT_EQ(canvas.At(10, 10), PureRed);
    EXPECT_EQ(canvas.At(15, 15), PureGreen) << "a key pixel inside the picture";
    EXPECT_EQ(canvas.At(10, 25), PureGreen) << "the bottom-left key pixel";
    EXPECT_EQ(canvas.At(25, 25), PureRed);
    EXPECT_EQ(canvas.At(26, 26), PureGreen) << "outside the picture";
}

TEST(PvxGlyphCache, ImagesAreSharedPerSizeAndFreedWithTheirHolders)
{
    ASSERT_EQ(TPvxXGlyphCache::Instance(), nullptr) << "no holder is alive between tests";
    {
        TPvxGlyph a;
        TPvxGlyph b;
        TPvxXGlyphCache* cache = TPvxXGlyphCache::Instance();
        ASSERT_NE(cache, nullptr);
        Rgb24 red[] = {PureRed};
        Image24 small = StripPicture(16, 16, 1, red, Fuchsia);
        a.Assign(small.View());
        b.Assign(small.View());
        Canvas canvas(PureGreen);
        a.Draw(canvas.Dc(), 0, 0, TPvxDrawState::Normal);
        a.Draw(canvas.Dc(), 0, 0, TPvxDrawState::Normal);
        b.Draw(canvas.Dc(), 0, 0, TPvxDrawState::Normal);
        a.Draw(canvas.Dc(), 0, 0, TPvxDrawState::Disabled);
        EXPECT_EQ(cache->ListCount(), 1);
        EXPECT_EQ(cache->ListFor(16, 16).Count(), 3) << "each image made once";
        EXPECT_GE(a.Slot(1), 0);
        EXPECT_EQ(a.Slot(2), -1) << "hot not drawn yet";

        Image24 large = StripPicture(24, 24, 1, red, Fuchsia);
        b.Assign(large.View());
        EXPECT_EQ(cache->ListFor(16, 16).Count(), 2) << "a new picture returns the old images";
        b.Draw(canvas.Dc(), 0, 0, TPvxDrawState::Hot);
        EXPECT_EQ(cache->ListCount(), 2);

        a.Clear();
        EXPECT_EQ(cache->ListCount(), 1) << "a list without images goes";
        EXPECT_TRUE(b.SetNumGlyphs(3));
        EXPECT_EQ(cache->ListCount(), 0) << "a new count returns the images too";
    }
    EXPECT_EQ(TPvxXGlyphCache::Instance(), nullptr) << "the last holder frees the cache";
}

TEST(PvxGlyphCache, GeneratedDisabledImageIsEmbossed)
{
    Image24 picture(8, 8, Fuchsia);
    picture.At(2, 2) = PureRed;
    TPvxGlyph glyph;
    glyph.Assign(picture.View());
    Canvas canvas(PureGreen);
    glyph.Draw(canvas.Dc(), 0, 0, TPvxDrawState::Disabled);
    EXPECT_EQ(canvas.At(2, 2), SysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(3, 3), SysPixel(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(1, 1), PureGreen);
}

TEST(PvxGlyphHolder, ThirtyTwoBitPicturesKeepTheirFormatAndLoseTheirAlpha)
{
    Image32 picture(64, 32, Bgra32{0, 0, 255, 0});
    picture.At(0, 31) = {255, 0, 255, 0};
    TPvxGlyph glyph;
    glyph.Assign(picture.View());
    EXPECT_EQ(glyph.Bitmap().PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(glyph.NumGlyphs(), 2);
    EXPECT_EQ(glyph.ImageSize(), (Size{32, 32}));
    Canvas canvas(PureGreen);
    glyph.Draw(canvas.Dc(), 0, 0, TPvxDrawState::Normal);
    EXPECT_EQ(canvas.At(5, 5), PureRed) << "alpha 0 does not make a pixel transparent";
    EXPECT_EQ(canvas.At(0, 31), PureGreen);
}

}  // namespace
