// The main window's command buttons and bevel labels as the form data sets
// them, drawn in the real window.

#include "app/MainWindowFixture.h"
#include "controls/PvxCaption.h"
#include "controls/PvxControlTestSupport.h"
#include "core/Exceptions.h"

namespace {

class PvxMainWindowTest : public MainWindowTest {};

TEST_F(PvxMainWindowTest, CommandButtonsAreGlyphButtonsWithTextUnderTheGlyph)
{
    for (TPvxButton* b : {form->PvxButton1, form->PvxButton2, form->PvxButton3, form->PvxButton4}) {
        EXPECT_STREQ(b->ClassName(), "TPvxButton");
        EXPECT_EQ(b->ButtonStyle(), TPvxUserButtonStyle::ubsWin40Ext) << b->Name();
        EXPECT_EQ(b->ButtonLayout().AlignText2Glyph(), TPvxTextArrange::taBottom) << b->Name();
        EXPECT_EQ(b->Glyph().Width(), 32) << b->Name();
        EXPECT_EQ(b->Glyph().Height(), 32) << b->Name();
        EXPECT_EQ(b->Glyph().PixelFormat(), TPixelFormat::pf32bit) << b->Name();
        EXPECT_EQ(b->NumGlyphs(), 1) << b->Name();
        EXPECT_TRUE(b->ShowHint()) << b->Name();
        EXPECT_EQ(b->Color(), form->Color()) << "the window's colour";
    }
}

TEST_F(PvxMainWindowTest, TheCompareGlyphsBlackShowsTheButtonFace)
{
    TPvxButton* compare = form->PvxButton1;
    compare->SetThemeMode(TPvxThemeMode::ttmNone);
    Image24 shot = GrabClient(compare->Handle());
    Rgb24 face = ToRgb24(ColorToRGB(form->Color()));
    EXPECT_EQ(CountOf(shot, Black, {3, 3, 72, 36}), 0) << "no black above the caption";
    // The glyph's bottom-left corner (black in the picture) is face-coloured.
    Rect frame = BoundsOf(shot, {0x6B, 0x3A, 0x1B}, {3, 3, 72, 54});
    ASSERT_FALSE(frame.IsEmpty()) << "the windows' frame colour is drawn";
    EXPECT_EQ(shot.At(frame.left - 1, frame.bottom - 1), face);
}

TEST_F(PvxMainWindowTest, StatusLineAndSlotCaptionsAreBevelLabels)
{
    EXPECT_STREQ(form->Label1->ClassName(), "TPvxLabel");
    EXPECT_TRUE(form->Label1->Transparent());
    EXPECT_EQ(form->Label1->Bevel().Extent(), 0);
    EXPECT_EQ(form->Label1->TextFormat() & (DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              UINT(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    for (TPvxLabel* l : {form->PvxLabel1, form->PvxLabel2}) {
        EXPECT_TRUE(l->AutoSize()) << l->Name();
        EXPECT_EQ(l->Alignment(), TPvxAlignment::agTopLeft);
        EXPECT_EQ(l->Options(), 0u);
    }
}

TEST_F(PvxMainWindowTest, TheStatusLineShowsTheVerdictCentred)
{
    // The ink is what the verdict changes on the skinned background.
    Image24 before = GrabClient(form->Handle());
    form->Label1->SetCaption("Files are Identical (By File Size and CRC32 Check)");
    Image24 shot = GrabClient(form->Handle());
    Rect ink = BoundsOfChanges(before, shot, {8, 204, 475, 219});
    ASSERT_FALSE(ink.IsEmpty());
    // Centred by the font's own measure of the text (see the label's own test).
    int textWidth = MeasureCaption(form->Label1->Font(), form->Label1->Caption(), DT_SINGLELINE, 0).width;
    EXPECT_LE(std::abs(ink.left - (8 + (467 - textWidth) / 2)), 2);
}

TEST(PvxButtonGlyphResource, AMissingResourceIsAClearError)
{
    TPvxButton button(nullptr);
    try {
        button.LoadGlyphFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_GLYPH");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("NO_SUCH_GLYPH"), std::string::npos) << e.Message();
    }
    EXPECT_TRUE(button.Glyph().Empty());
}

}  // namespace
