// The bevel label painted by a real form: auto size, the status line's
// centring and cutting, accelerators, transparency, the bevel, and when a
// change repaints. Sizes are compared with the platform's own measure of the
// text (GetTextExtentPoint32), so the checks hold for any installed Tahoma.

#include <gtest/gtest.h>

#include "controls/PvxControlTestSupport.h"
#include "controls/PvxLabel.h"
#include "controls/PvxThemeServices.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Handles.h"
#include "toolkit/SysUtils.h"

namespace {

class PvxLabelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ParkPointer();
        form = Application->CreateForm<TPvxTestForm>();
        form->SetClientSize(500, 200);
        label = CreateControl<TPvxLabel>(form, form, "label", 8, 8, 31, 15);
        form->Show();
        PumpMessages();
        face = SysPixel(COLOR_BTNFACE);
    }
    void TearDown() override
    {
        delete form;
        PumpMessages();
    }

    Size Extent(const std::string& text, const TFont& font)
    {
        WindowDc screen(nullptr);
        SelectGuard select(screen.Get(), font.Handle());
        SIZE s{};
        const std::wstring wide = FromSystemCodePage(text);
        GetTextExtentPoint32W(screen.Get(), wide.c_str(), int(wide.size()), &s);
        return {int(s.cx), int(s.cy)};
    }
    Size Extent(const std::string& text) { return Extent(text, label->Font()); }

    Image24 FormShot() { return GrabClient(form->Handle()); }
    // The label's own pixels, from a picture of the form.
    Image24 LabelShot()
    {
        Image24 shot = FormShot();
        return CopyOf(shot, label->BoundsRect());
    }
    static Image24 CopyOf(const Image24& from, const Rect& r)
    {
        Image24 part(r.Width(), r.Height());
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x)
                part.At(x, y) = from.At(r.left + x, r.top + y);
        return part;
    }
    Rect Ink(const Image24& shot) { return BoundsOfAllBut(shot, face, {0, 0, 9999, 9999}); }
    void MakeStatusLine()
    {
        label->SetAutoSize(false);
        label->SetBounds(8, 60, 467, 15);
        label->SetAlignment(TPvxAlignment::agCenter);
        label->Font().SetStyle(fsBold);
    }
    bool UpdatePending(Rect* area = nullptr)
    {
        RECT r{};
        bool pending = GetUpdateRect(form->Handle(), &r, FALSE);
        if (area)
            *area = FromRECT(r);
        return pending;
    }

    TPvxTestForm* form = nullptr;
    TPvxLabel* label = nullptr;
    Rgb24 face;
};

TEST_F(PvxLabelTest, DefaultsOfANewLabel)
{
    TPvxLabel fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 30);
    EXPECT_EQ(fresh.Height(), 30);
    EXPECT_EQ(fresh.Alignment(), TPvxAlignment::agTopLeft);
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_FALSE(fresh.MultiLine());
    EXPECT_TRUE(fresh.ShowAccelChar());
    EXPECT_TRUE(fresh.Transparent());
    EXPECT_FALSE(fresh.ControlStyle & csOpaque);
    EXPECT_EQ(fresh.Options(), 0u);
    EXPECT_EQ(fresh.Bevel().Mode(), TPvxBevelMode::bmCustom);
    EXPECT_EQ(fresh.Bevel().StyleOuter(), TPvxBevelStyle::bvNone);
    EXPECT_EQ(fresh.Bevel().WidthOuter(), 1);
    EXPECT_EQ(fresh.Bevel().BorderColor(), clBtnFace);
    EXPECT_EQ(fresh.Bevel().BorderSides(), AllBorderSides);
    EXPECT_EQ(fresh.Bevel().EdgeStyle(), TPvxEdgeStyle::etEtched);
    EXPECT_EQ(fresh.Bevel().StandardStyle(), TPvxStandardBevel::lsSingleLowered);
    EXPECT_EQ(fresh.Bevel().Extent(), 0);
    EXPECT_FALSE(fresh.Twinkle());
    EXPECT_EQ(fresh.TwinkleVisible, 700u);
    EXPECT_EQ(fresh.TwinkleColor, clNone);
    EXPECT_TRUE(fresh.ParentFont());
    EXPECT_TRUE(fresh.ParentColor());
    EXPECT_STREQ(fresh.ClassName(), "TPvxLabel");
}

TEST_F(PvxLabelTest, AutoSizedEmptyCaptionKeepsTheHeightOfOneLine)
{
    label->SetAutoSize(true);
    Size space = Extent(" ");
    EXPECT_EQ(label->Width(), space.width + 2);
    EXPECT_EQ(label->Height(), space.height + 2);
    EXPECT_GT(label->Height(), 10);
}

TEST_F(PvxLabelTest, SlotCaptionIsItsTextPlusTwoAndKeepsItsPlace)
{
    label->SetCaption("File 1:");
    Size text = Extent("File 1:");
    EXPECT_EQ(label->BoundsRect(), Rect::FromSize(8, 8, text.width + 2, text.height + 2));
    label->SetCaption("File 1 of 2:");
    EXPECT_EQ(label->Left(), 8);
    EXPECT_EQ(label->Top(), 8);
    EXPECT_EQ(label->Width(), Extent("File 1 of 2:").width + 2);
}

TEST_F(PvxLabelTest, ACaptionInAnotherScriptIsMeasuredAndDrawnInItsOwnLetters)
{
    // Greek and Cyrillic, which the window's Tahoma has.
    const std::string caption = "Αναφορά Отчёт";
    label->SetCaption(caption);
    Size text = Extent(caption);
    EXPECT_EQ(label->Width(), text.width + 2);
    // The same text drawn by the system from UTF-16 in the label's place.
    TBitmap expected(label->Width(), label->Height());
    HDC dc = expected.Canvas().Handle();
    UniqueBrush faceBrush(CreateSolidBrush(RGB(face.r, face.g, face.b)));
    RECT box{0, 0, label->Width(), label->Height()};
    FillRect(dc, &box, faceBrush.Get());
    SelectGuard font(dc, label->Font().Handle());
    SetTextColor(dc, ColorToRGB(label->Font().Color()));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring wide = FromSystemCodePage(caption);
    DrawTextW(dc, wide.c_str(), int(wide.size()), &box, DT_EXPANDTABS | DT_WORDBREAK | DT_LEFT | DT_TOP);
    const ConstView24 want = expected.Pixels24();
    const Image24 shot = LabelShot();
    int differing = 0;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            differing += !(shot.At(x, y) == want.Row(y)[x]);
    EXPECT_EQ(differing, 0);
}

TEST_F(PvxLabelTest, AutoSizedTextStartsAtTheTopLeftCorner)
{
    label->SetCaption("File 1:");
    Rect ink = Ink(LabelShot());
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_LE(ink.left, 1);
    EXPECT_LT(ink.top, 4);
}

TEST_F(PvxLabelTest, RaisedBevelMakesTheAutoSizedLabelTwoPixelsLargerEachWay)
{
    label->SetCaption("File 1:");
    Size plain{label->Width(), label->Height()};
    label->Bevel().SetStyleOuter(TPvxBevelStyle::bvRaised);
    EXPECT_EQ(label->Width(), plain.width + 2);
    EXPECT_EQ(label->Height(), plain.height + 2);
    Image24 shot = LabelShot();
    int w = shot.Width();
    int h = shot.Height();
    EXPECT_EQ(shot.At(w / 2, 0), SysPixel(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shot.At(0, h / 2), SysPixel(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shot.At(w / 2, h - 1), SysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(w - 1, h / 2), SysPixel(COLOR_BTNSHADOW));
    label->Bevel().SetStyleOuter(TPvxBevelStyle::bvLowered);
    shot = LabelShot();
    EXPECT_EQ(shot.At(w / 2, 0), SysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(w - 1, h / 2), SysPixel(COLOR_BTNHIGHLIGHT));
}

TEST_F(PvxLabelTest, StatusLineCentresItsTextOnOneLine)
{
    MakeStatusLine();
    label->SetCaption("Files are Identical (By File Size and CRC32 Check)");
    Rect ink = Ink(LabelShot());
    ASSERT_FALSE(ink.IsEmpty());
    // Centred by the font's own measure of the text: a face whose advances run
    // past the last glyph's ink (Wine's Tahoma Bold) leaves more room on the right.
    int textWidth = Extent(label->Caption(), label->Font()).width;
    int expectedLeft = (467 - textWidth) / 2;
    EXPECT_LE(std::abs(ink.left - expectedLeft), 2) << ink.left << " vs " << expectedLeft;
    EXPECT_LE(ink.right, expectedLeft + textWidth + 1);
    EXPECT_GT(ink.left, 50);
    EXPECT_LE(ink.Height(), Extent("Ag", label->Font()).height);
}

TEST_F(PvxLabelTest, StatusLineCutsATooLongTextAtBothEnds)
{
    MakeStatusLine();
    std::string words;
    while (Extent(words, label->Font()).width < 467 + 200)
        words += "Identical files compare equal ";
    label->SetCaption(words);
    Image24 shot = LabelShot();
    Rect ink = Ink(shot);
    EXPECT_LE(ink.left, 3) << "cut at the left";
    EXPECT_GE(ink.right, 464) << "cut at the right";
    EXPECT_LT(ink.Height(), 15) << "one line, no wrapping";
    Image24 around = FormShot();
    Rect outside = BoundsOfAllBut(around, face, {0, 0, 8, 200});
    EXPECT_TRUE(outside.Intersected({0, 60, 8, 75}).IsEmpty()) << "nothing drawn outside";
}

TEST_F(PvxLabelTest, AmpersandUnderlinesTheNextLetterAndTakesNoWidth)
{
    label->SetCaption("Ab");
    Image24 plain = LabelShot();
    label->SetCaption("&Ab");
    EXPECT_EQ(label->Width(), Extent("Ab").width + 2);
    Image24 accel = LabelShot();
    ASSERT_EQ(accel.Width(), plain.Width());
    Rect changed{accel.Width(), accel.Height(), 0, 0};
    for (int y = 0; y < accel.Height(); ++y)
        for (int x = 0; x < accel.Width(); ++x)
            if (accel.At(x, y) != plain.At(x, y))
                changed = {std::min(changed.left, x), std::min(changed.top, y),
                           std::max(changed.right, x + 1), std::max(changed.bottom, y + 1)};
    ASSERT_FALSE(changed.IsEmpty()) << "an underline was drawn";
    EXPECT_EQ(changed.Height(), 1) << "one row: the underline, nothing else changed";
    EXPECT_LE(changed.right, Extent("A").width + 1) << "under the A only";
}

TEST_F(PvxLabelTest, WithoutShowAccelCharTheAmpersandIsDrawn)
{
    label->SetShowAccelChar(false);
    label->SetCaption("&Ab");
    label->SetAutoSize(true);
    EXPECT_EQ(label->Width(), Extent("&Ab").width + 2);
    label->SetShowAccelChar(true);
    label->SetCaption("A&&b");
    EXPECT_EQ(label->Width(), Extent("A&b").width + 2) << "a doubled ampersand draws one";
}

TEST_F(PvxLabelTest, OpaqueLabelFillsItsRectangle)
{
    label->SetCaption("File 1:");
    label->SetColor(0x0000FF);
    Image24 clear = LabelShot();
    EXPECT_EQ(clear.At(0, 0), face) << "transparent: the form shows through";
    label->SetTransparent(false);
    EXPECT_TRUE(label->ControlStyle & csOpaque);
    Image24 opaque = LabelShot();
    int w = opaque.Width();
    int h = opaque.Height();
    for (Point p : {Point{0, 0}, Point{w - 1, 0}, Point{0, h - 1}, Point{w - 1, h - 1}})
        EXPECT_EQ(opaque.At(p.x, p.y), PureRed) << p.x << "," << p.y;
    Image24 around = FormShot();
    EXPECT_EQ(around.At(label->Left() - 1, label->Top()), face);
    EXPECT_EQ(around.At(label->Left() + w, label->Top()), face);
}

TEST_F(PvxLabelTest, EmptyTransparentLabelWithoutBevelPaintsNothing)
{
    label->SetAutoSize(false);
    label->SetBounds(8, 8, 60, 20);
    label->SetColor(0x0000FF);
    EXPECT_EQ(CountOf(LabelShot(), face, {0, 0, 60, 20}), 60 * 20);
    label->Bevel().SetStyleOuter(TPvxBevelStyle::bvNormal);
    Image24 framed = LabelShot();
    EXPECT_EQ(framed.At(30, 0), Black) << "with a bevel it is drawn";
}

TEST_F(PvxLabelTest, BorderRingsArePaintedOnlyInAnotherColourOnAnOpaqueLabel)
{
    label->SetCaption("File 1:");
    label->SetColor(0x0000FF);
    label->Bevel().SetBorderWidth(2);
    label->Bevel().SetBorderColor(0xFF0000);
    Size size{label->Width(), label->Height()};
    EXPECT_EQ(size.width, Extent("File 1:").width + 2 + 4) << "the rings take their space";
    Image24 clear = LabelShot();
    EXPECT_EQ(clear.At(size.width / 2, 1), face) << "transparent: rings left unpainted";
    label->SetTransparent(false);
    Image24 ringed = LabelShot();
    EXPECT_EQ(ringed.At(size.width / 2, 0), PureBlue);
    EXPECT_EQ(ringed.At(size.width / 2, 1), PureBlue);
    EXPECT_EQ(ringed.At(0, size.height / 2), PureBlue);
    EXPECT_EQ(ringed.At(2, 2), PureRed) << "inside the rings: the label's colour";
    label->Bevel().SetBorderColor(0x0000FF);
    Image24 same = LabelShot();
    EXPECT_EQ(same.At(size.width / 2, 0), PureRed) << "the label's own colour: unpainted";
}

TEST_F(PvxLabelTest, ShadowStylesGoTogether)
{
    TPvxBevel& bevel = label->Bevel();
    bevel.SetStyleInner(TPvxBevelStyle::bvShadow);
    EXPECT_EQ(bevel.StyleOuter(), TPvxBevelStyle::bvShadow);
    bevel.SetStyleOuter(TPvxBevelStyle::bvRaised);
    EXPECT_EQ(bevel.StyleInner(), TPvxBevelStyle::bvNone);
    bevel.SetStyleInner(TPvxBevelStyle::bvLowered);
    EXPECT_EQ(bevel.StyleOuter(), TPvxBevelStyle::bvRaised) << "no shadow involved";
}

TEST_F(PvxLabelTest, DisabledLabelIsGrey)
{
    label->SetCaption("File 1:");
    label->SetEnabled(false);
    Image24 shot = LabelShot();
    EXPECT_EQ(CountOf(shot, SysPixel(COLOR_WINDOWTEXT), {0, 0, 99, 99}), 0);
    EXPECT_GT(CountOf(shot, SysPixel(COLOR_GRAYTEXT), {0, 0, 99, 99}), 10);
    EXPECT_EQ(CountOf(shot, SysPixel(COLOR_BTNHIGHLIGHT), {0, 0, 99, 99}), 0)
        << "one grey pass, no light copy";
    label->FontFX().SetDisabledStyle(TPvxDisabledStyle::ds3d);
    shot = LabelShot();
    EXPECT_GT(CountOf(shot, SysPixel(COLOR_BTNHIGHLIGHT), {0, 0, 99, 99}), 5);
}

TEST_F(PvxLabelTest, TransparentCaptionChangeInvalidatesTheLabelArea)
{
    MakeStatusLine();
    label->SetCaption("Select files");
    UpdateWindow(form->Handle());
    ASSERT_FALSE(UpdatePending());
    label->SetCaption("File 1 not exists");
    Rect area;
    ASSERT_TRUE(UpdatePending(&area));
    EXPECT_EQ(area, label->BoundsRect());
    Image24 shot = LabelShot();
    EXPECT_FALSE(Ink(shot).IsEmpty());
}

TEST_F(PvxLabelTest, OpaqueLabelPaintsAtOnce)
{
    MakeStatusLine();
    label->SetTransparent(false);
    label->SetCaption("Select files");
    UpdateWindow(form->Handle());
    Image24 before = CopyOf(GrabClientAsIs(form->Handle()), label->BoundsRect());
    label->SetCaption("Files are Not Identical");
    EXPECT_FALSE(UpdatePending()) << "nothing left for a later paint";
    Image24 after = CopyOf(GrabClientAsIs(form->Handle()), label->BoundsRect());
    EXPECT_NE(Ink(after), Ink(before)) << "the new text is on the screen already";
}

TEST_F(PvxLabelTest, NoRepaintWhileLockedThenOnceAtTheEnd)
{
    MakeStatusLine();
    UpdateWindow(form->Handle());
    label->BeginUpdate();
    label->SetCaption("one");
    label->SetCaption("two");
    EXPECT_FALSE(UpdatePending());
    label->EndUpdate();
    Rect area;
    EXPECT_TRUE(UpdatePending(&area));
    EXPECT_EQ(area, label->BoundsRect());
}

TEST_F(PvxLabelTest, AThemeChangeRepaintsTheLabel)
{
    label->SetCaption("File 1:");
    UpdateWindow(form->Handle());
    SendMessageA(TPvxThemeServices::Instance().Handle(), WM_THEMECHANGED, 0, 0);
    if (!TPvxThemeServices::Instance().ThemesAvailable())
        GTEST_SKIP() << "no theme library";
    Rect area;
    ASSERT_TRUE(UpdatePending(&area));
    EXPECT_FALSE(area.Intersected(label->BoundsRect()).IsEmpty());
}

TEST_F(PvxLabelTest, AcceleratorGivesTheFocusControlTheFocus)
{
    auto* edit = CreateControl<TEdit>(form, form, "target", 100, 100, 80, 21);
    PumpMessages();
    label->SetCaption("&Name:");
    label->SetFocusControl(edit);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'X'), 0);
    EXPECT_NE(GetFocus(), edit->Handle());
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'n'), 1);
    EXPECT_EQ(GetFocus(), edit->Handle());
    // Characters come in UTF-16: one whose low byte is "N" is another letter.
    SetFocus(form->edit->Handle());
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, L'\u014E'), 0);  // Ŏ
    label->SetCaption("&Ωμέγα:");
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, L'\u03C9'), 1);  // ω
    EXPECT_EQ(GetFocus(), edit->Handle());
    delete edit;
    EXPECT_EQ(label->FocusControl(), nullptr) << "a freed control is forgotten";
}

TEST_F(PvxLabelTest, ShowLabelHintShowsTheCaptionWhileTheHintIsEmpty)
{
    label->SetCaption("File 1:");
    label->SetOptions(loShowLabelHint);
    label->Perform(CM_MOUSEENTER);
    EXPECT_EQ(label->Hint(), "File 1:");
    label->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(label->Hint(), "");
    label->SetHint("own");
    label->Perform(CM_MOUSEENTER);
    EXPECT_EQ(label->Hint(), "own");
}

TEST_F(PvxLabelTest, WrappedTextInTheCentreRowIsCentredAsABlock)
{
    label->SetAutoSize(false);
    label->SetMultiLine(true);
    label->SetBounds(8, 8, 120, 90);
    label->SetAlignment(TPvxAlignment::agCenter);
    label->SetCaption("several short words that wrap onto a few lines here");
    Rect ink = Ink(LabelShot());
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GT(ink.Height(), 2 * Extent("Ag").height) << "wrapped";
    EXPECT_LE(std::abs(ink.top - (90 - ink.bottom)), 4) << ink.top << " vs " << 90 - ink.bottom;
}

TEST_F(PvxLabelTest, TwinkleHidesTheTextInItsInvisiblePhase)
{
    label->SetCaption("File 1:");
    label->TwinkleVisible = 10;
    label->TwinkleInVisible = 10000;
    label->SetTwinkle(true);
    ASSERT_TRUE(label->Twinkle());
    DWORD deadline = GetTickCount() + 5000;
    while (label->TwinkleShowing() && GetTickCount() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
    ASSERT_FALSE(label->TwinkleShowing());
    EXPECT_TRUE(Ink(LabelShot()).IsEmpty()) << "TwinkleColor clNone: no text";
    label->SetTwinkle(false);
    EXPECT_TRUE(label->TwinkleShowing());
    EXPECT_FALSE(Ink(LabelShot()).IsEmpty());
}

}  // namespace
