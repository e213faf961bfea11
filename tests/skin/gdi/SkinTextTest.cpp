// Text in a skin's colours, drawn with GDI into a DIB-backed bitmap, compared
// with the same passes drawn by hand.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>

#include "gfx/ColorBlend.h"
#include "skin/model/SkinModel.h"
#include "skin/gdi/SkinText.h"
#include "toolkit/Bitmap.h"

namespace {

const char* const kOptions =
    "[GLOBALINFO]\r\nCOLOR=8421504\r\nFONTCOLOR=0\r\n"
    "[PLAINTEXT]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=16711680\r\n"
    "[LEFTEDGE]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\nTCLEFT=255\r\n"
    "[ALLEDGES]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\nTCLEFT=255\r\nTCTOP=65280\r\nTCRIGHT=16711680\r\n"
    "TCBOTTOM=65535\r\nHOTFONTCOLOR=8421504\r\n"
    "[WEBBUTTON]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\n";

constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE;
const Rect kTextRect{6, 4, 110, 26};
const std::string kText = "HHH mW";

// A skin of sections only, loaded from a folder of its own.
class SkinTextTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "pvx_skin_text_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        std::ofstream(folder_ + "\\Options.dat", std::ios::binary) << kOptions;
        skin_ = new TsSkinModel;
        skin_->LoadFromFolder(folder_);
    }
    static void TearDownTestSuite()
    {
        delete skin_;
        DeleteFileA((folder_ + "\\Options.dat").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    // The picture of a 120 x 30 white bitmap after draw(canvas).
    static Image24 Render(const std::function<void(TCanvas&)>& draw)
    {
        TBitmap bitmap(120, 30);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Brush().SetColor(0xFFFFFF);
        canvas.FillRect({0, 0, 120, 30});
        draw(canvas);
        View24 pixels = bitmap.Pixels24();
        Image24 copy(pixels.Width(), pixels.Height());
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                copy.At(x, y) = pixels.At(x, y);
        return copy;
    }

    // Passes drawn by hand: each (colour, shift) in order, transparent background.
    static Image24 ByHand(std::initializer_list<std::pair<TColor, Point>> passes, UINT format = kFormat)
    {
        return Render([&](TCanvas& canvas) {
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
            for (auto [colour, shift] : passes) {
                canvas.Font().SetColor(colour);
                Rect r = kTextRect.Translated(shift.x, shift.y);
                canvas.DrawText(kText, r, format);
            }
        });
    }

    static int Count(const Image24& image, Rgb24 colour)
    {
        int n = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                n += image.At(x, y) == colour;
        return n;
    }

    static bool Same(const Image24& a, const Image24& b)
    {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (!(a.At(x, y) == b.At(x, y)))
                    return false;
        return true;
    }

    static TsSectionRef Ref(const char* section) { return TsSectionRef::Resolve(skin_, section); }

    static TsControlTextStyle Control(const char* section)
    {
        return {Ref(section), false, std::string_view(section) == "WEBBUTTON"};
    }

    static std::string folder_;
    static TsSkinModel* skin_;
};

std::string SkinTextTest::folder_;
TsSkinModel* SkinTextTest::skin_ = nullptr;

constexpr Rgb24 kRed{0, 0, 255};

}  // namespace

TEST_F(SkinTextTest, ContourColoursOfMinusOneDrawNothing)
{
    Image24 drawn = Render([](TCanvas& c) {
        DrawSectionText(c, kText, true, Ref("PLAINTEXT"), false, kFormat, kTextRect);
    });
    EXPECT_TRUE(Same(drawn, ByHand({{0x000000, {0, 0}}})));
    EXPECT_GT(Count(drawn, {0, 0, 0}), 20) << "the text is drawn";
}

TEST_F(SkinTextTest, ALeftContourDrawsTheTextTwice)
{
    Image24 drawn = Render([](TCanvas& c) {
        DrawSectionText(c, kText, true, Ref("LEFTEDGE"), false, kFormat, kTextRect);
    });
    EXPECT_TRUE(Same(drawn, ByHand({{0x0000FF, {-1, 0}}, {0x000000, {0, 0}}})));
    EXPECT_GT(Count(drawn, kRed), 5) << "the contour shows left of the strokes";
}

TEST_F(SkinTextTest, FourContoursLeftUpRightDownThenTheText)
{
    Image24 drawn = Render([](TCanvas& c) {
        DrawSectionText(c, kText, true, Ref("ALLEDGES"), false, kFormat, kTextRect);
    });
    EXPECT_TRUE(Same(drawn, ByHand({{0x0000FF, {-1, 0}},
                                    {0x00FF00, {0, -1}},
                                    {0xFF0000, {1, 0}},
                                    {0x00FFFF, {0, 1}},
                                    {0x000000, {0, 0}}})));
}

TEST_F(SkinTextTest, HotTextTakesTheHotColours)
{
    Image24 drawn = Render([](TCanvas& c) {
        DrawSectionText(c, kText, true, Ref("PLAINTEXT"), true, kFormat, kTextRect);
    });
    EXPECT_TRUE(Same(drawn, ByHand({{0xFF0000, {0, 0}}})));
    Image24 noContours = Render([](TCanvas& c) {
        DrawSectionText(c, kText, true, Ref("ALLEDGES"), true, kFormat, kTextRect);
    });
    EXPECT_TRUE(Same(noContours, ByHand({{0x808080, {0, 0}}}))) << "hot contours are -1";
}

TEST_F(SkinTextTest, DisabledTextIsOnePassFortyPercentFontSixtyPercentSection)
{
    Image24 drawn = Render([](TCanvas& c) {
        DrawSectionText(c, kText, false, Ref("ALLEDGES"), false, kFormat, kTextRect);
    });
    ASSERT_EQ(BlendColors(0x000000, 0xFFFFFF, 0.4), 0x999999);
    EXPECT_TRUE(Same(drawn, ByHand({{0x999999, {0, 0}}})));
}

TEST_F(SkinTextTest, NothingForEmptyTextOrAnInvalidSection)
{
    Image24 blank = Render([](TCanvas&) {});
    EXPECT_TRUE(Same(Render([](TCanvas& c) { DrawSectionText(c, "", true, TsSectionRef::ResolveIndex(skin_, 1), false, kFormat, kTextRect); }),
                     blank));
    EXPECT_TRUE(Same(Render([](TCanvas& c) { DrawSectionText(c, kText, true, TsSectionRef::ResolveIndex(skin_, 99), false, kFormat, kTextRect); }),
                     blank));
    EXPECT_TRUE(Same(Render([](TCanvas& c) { DrawSectionText(c, kText, true, TsSectionRef::ResolveIndex(nullptr, 1), false, kFormat, kTextRect); }),
                     blank));
}

TEST_F(SkinTextTest, TheCanvasKeepsItsFontColourAndBrush)
{
    Render([](TCanvas& c) {
        c.Font().SetColor(0x123456);
        DrawSectionText(c, kText, true, Ref("ALLEDGES"), false, kFormat, kTextRect);
        EXPECT_EQ(c.Font().Color(), 0x123456);
        EXPECT_EQ(c.Brush().Style(), TBrushStyle::bsSolid);
    });
}

TEST_F(SkinTextTest, ControlTextInItsSectionsColoursClippedToTheRectangle)
{
    TFont font;
    font.SetColor(0x00FF00);
    const Rect narrow{6, 4, 30, 26};
    Image24 drawn = Render([&](TCanvas& c) {
        DrawControlText(c, kText, true, false, Control("LEFTEDGE"), font, kFormat, narrow);
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetClipRgn(c.Handle(), clip), 0) << "the clip is put back";
        DeleteObject(clip);
    });
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x) {
            if (!narrow.Contains({x, y})) {
                ASSERT_EQ(drawn.At(x, y), (Rgb24{255, 255, 255})) << x << "," << y;
            }
        }
    }
    EXPECT_GT(Count(drawn, kRed), 0);
    EXPECT_EQ(Count(drawn, {0, 255, 0}), 0) << "the section's colour, not the font's";
}

TEST_F(SkinTextTest, ControlTextWithCustomFontKeepsTheFontsColourWithoutContours)
{
    TFont font;
    font.SetColor(0x00FF00);
    TsControlTextStyle control = Control("LEFTEDGE");
    control.CustomFont = true;
    Image24 drawn = Render([&](TCanvas& c) {
        DrawControlText(c, kText, true, false, control, font, kFormat, kTextRect);
    });
    EXPECT_TRUE(Same(drawn, ByHand({{0x00FF00, {0, 0}}})));
}

TEST_F(SkinTextTest, DisabledControlTextMixesTheFontColourWithTheGlobalColour)
{
    TFont font;
    Image24 drawn = Render([&](TCanvas& c) {
        DrawControlText(c, kText, false, false, Control("LEFTEDGE"), font, kFormat, kTextRect);
    });
    // 40 % of black over 60 % of GLOBALINFO's grey 128: 77.
    EXPECT_TRUE(Same(drawn, ByHand({{0x4D4D4D, {0, 0}}})));
    TsControlTextStyle unskinned;
    Image24 plain = Render([&](TCanvas& c) { DrawControlText(c, kText, false, false, unskinned, font, kFormat, kTextRect); });
    EXPECT_TRUE(Same(plain, ByHand({{font.Color(), {0, 0}}})));
}

TEST_F(SkinTextTest, HotTextIsUnderlinedOnlyWhenTheStyleAsks)
{
    TFont font;
    Render([&](TCanvas& c) {
        DrawControlText(c, kText, true, true, Control("WEBBUTTON"), font, kFormat, kTextRect);
        EXPECT_TRUE(c.Font().Style() & fsUnderline);
        DrawControlText(c, kText, true, false, Control("WEBBUTTON"), font, kFormat, kTextRect);
        EXPECT_FALSE(c.Font().Style() & fsUnderline);
        DrawControlText(c, kText, true, true, Control("PLAINTEXT"), font, kFormat, kTextRect);
        EXPECT_FALSE(c.Font().Style() & fsUnderline);
    });
}

TEST_F(SkinTextTest, EllipsizeText)
{
    Render([](TCanvas& c) {
        const std::string text = "C:\\Some folder\\a file name.txt";
        int whole = c.TextWidth(text), dots = c.TextWidth("...");
        ASSERT_GT(dots, 1);
        EXPECT_EQ(EllipsizeText(c, text, whole), text);
        EXPECT_EQ(EllipsizeText(c, text, dots - 1), "") << "narrower than the dots themselves";
        EXPECT_EQ(EllipsizeText(c, text, dots), "...");
        EXPECT_EQ(EllipsizeText(c, text, 0), "");
        EXPECT_EQ(EllipsizeText(c, text, -5), "");
        std::string cut = EllipsizeText(c, text, whole / 2);
        ASSERT_GT(cut.size(), 3u);
        EXPECT_EQ(cut.substr(cut.size() - 3), "...");
        std::string kept = cut.substr(0, cut.size() - 3);
        EXPECT_EQ(text.substr(0, kept.size()), kept);
        EXPECT_LE(c.TextWidth(cut), whole / 2);
        EXPECT_GT(c.TextWidth(text.substr(0, kept.size() + 1) + "..."), whole / 2) << "the longest start that fits";
    });
}

TEST_F(SkinTextTest, MeasuringWrappers)
{
    Render([](TCanvas& c) {
        Size size = MeasureTextSize(c, kText);
        EXPECT_EQ(MeasureTextWidth(c, kText), size.width);
        EXPECT_EQ(MeasureTextHeight(c, kText), size.height);
        Rect r{0, 0, 1000, 0};
        EXPECT_EQ(DrawTextInRect(c, kText, r, DT_CALCRECT | DT_SINGLELINE), size.height);
        EXPECT_EQ(r.Width(), size.width);
    });
}
