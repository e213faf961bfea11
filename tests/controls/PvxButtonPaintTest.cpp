// The glyph button as it is drawn: the classic frame in each state, the
// themed frame (the platform's visual style, and a stand-in style whose
// colours are known), the content rectangle, the glyph's transparency and its
// generated disabled look. Every check reads the pixels of the real window.

#include <gtest/gtest.h>

#include <vector>

#include "controls/PvxButton.h"
#include "controls/PvxControlTestSupport.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"

namespace {

constexpr Rgb24 ButtonFace{0xE0, 0xD0, 0xC0};  // clearly not a system colour

class PvxButtonPaintTest : public testing::Test {
protected:
    void SetUp() override
    {
        ParkPointer();
        form = Application->CreateForm<TPvxTestForm>();
        button = CreateControl<TPvxButton>(form, form, "button", 10, 10, 75, 57);
        button->SetButtonStyle(TPvxUserButtonStyle::ubsWin40Ext);
        button->SetThemeMode(TPvxThemeMode::ttmNone);
        button->ButtonLayout().SetAlignText2Glyph(TPvxTextArrange::taBottom);
        button->SetColor(TColor(ToColorRef(ButtonFace)));
        form->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        TPvxThemeServices::Instance().UsePlatformApi();
        delete form;
        PumpMessages();
    }

    Image24 Shot() { return GrabClient(button->Handle()); }

    // A 16 x 16 red glyph (bottom-left pixel fuchsia) at the content
    // rectangle's top-left corner, and one at its bottom-right corner, tell
    // where the content rectangle is.
    Rect ContentRect()
    {
        Rgb24 red[] = {PureRed};
        Image24 glyph = StripPicture(16, 16, 1, red, Fuchsia);
        button->SetGlyph(glyph.View());
        button->ButtonLayout().SetAlignment(TPvxAlignment::agTopLeft);
        button->ButtonLayout().SetAlignText2Glyph(TPvxTextArrange::taBottomLeft);
        Rect topLeft = BoundsOf(Shot(), PureRed);
        button->ButtonLayout().SetAlignment(TPvxAlignment::agBottomRight);
        button->ButtonLayout().SetAlignText2Glyph(TPvxTextArrange::taTop);
        Rect bottomRight = BoundsOf(Shot(), PureRed);
        return {topLeft.left, topLeft.top, bottomRight.right, bottomRight.bottom};
    }

    void Press() { SendMessageA(button->Handle(), BM_SETSTATE, TRUE, 0); }
    void Hover() { MouseInput(button->Handle(), {37, 28}); }
    // The move only, with no chance for a paint to follow it.
    void HoverWithoutPainting()
    {
        MovePointerTo(button->Handle(), {37, 28});
        SendMessageA(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(37, 28));
    }

    TPvxTestForm* form = nullptr;
    TPvxButton* button = nullptr;
};

// Colours along the middle of each side, outermost pixel first.
struct Edges {
    Rgb24 top, left, bottom, right;
};

Edges EdgesAt(const Image24& shot, int inset)
{
    int w = shot.Width();
    int h = shot.Height();
    return {shot.At(w / 2, inset), shot.At(inset, h / 2), shot.At(w / 2, h - 1 - inset),
            shot.At(w - 1 - inset, h / 2)};
}

void ExpectEdges(const Image24& shot, int inset, Rgb24 topLeft, Rgb24 bottomRight)
{
    Edges e = EdgesAt(shot, inset);
    EXPECT_EQ(e.top, topLeft) << "top, ring " << inset;
    EXPECT_EQ(e.left, topLeft) << "left, ring " << inset;
    EXPECT_EQ(e.bottom, bottomRight) << "bottom, ring " << inset;
    EXPECT_EQ(e.right, bottomRight) << "right, ring " << inset;
}

TEST_F(PvxButtonPaintTest, DefaultsOfANewButton)
{
    TPvxButton fresh(nullptr);
    EXPECT_EQ(fresh.ButtonStyle(), TPvxUserButtonStyle::ubsWin40);
    EXPECT_EQ(fresh.Width(), 75);
    EXPECT_EQ(fresh.Height(), 25);
    EXPECT_EQ(fresh.NumGlyphs(), 1);
    EXPECT_TRUE(fresh.Glyph().Empty());
    EXPECT_TRUE(fresh.UseCaption());
    EXPECT_FALSE(fresh.MultiLine());
    EXPECT_TRUE(fresh.HideHint());
    EXPECT_EQ(fresh.ThemeMode(), TPvxThemeMode::ttmPlatform);
    EXPECT_FALSE(fresh.ThemeGlobalMode());
    EXPECT_FALSE(fresh.RepeatedClick());
    EXPECT_EQ(fresh.RepeatingDelay(), 500u);
    EXPECT_EQ(fresh.RepeatingInterval(), 100u);
    EXPECT_TRUE(fresh.ParentColor());
    EXPECT_TRUE(fresh.ParentFont());
    EXPECT_EQ(fresh.ButtonLayout().AlignText2Glyph(), TPvxTextArrange::taRight);
    EXPECT_EQ(fresh.FontFX().Style(), TPvxThreeDStyle::tdNone);
    EXPECT_EQ(fresh.FontFX().DisabledStyle(), TPvxDisabledStyle::dsAuto);
    EXPECT_EQ(fresh.FontFX().LightColor(), clBtnHighlight);
    EXPECT_STREQ(fresh.ClassName(), "TPvxButton");
}

TEST_F(PvxButtonPaintTest, IdleClassicFrameIsAOnePixelRaisedBevel)
{
    Image24 shot = Shot();
    ExpectEdges(shot, 0, SysPixel(COLOR_BTNHIGHLIGHT), SysPixel(COLOR_BTNSHADOW));
    ExpectEdges(shot, 1, ButtonFace, ButtonFace);
    EXPECT_EQ(ContentRect(), (Rect{3, 3, 72, 54}));
}

TEST_F(PvxButtonPaintTest, HotClassicFrameIsAFullRaisedButton)
{
    Hover();
    EXPECT_TRUE(button->MouseInside());
    Image24 shot = Shot();
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Hot);
    ExpectEdges(shot, 0, SysPixel(COLOR_BTNHIGHLIGHT), SysPixel(COLOR_3DDKSHADOW));
    Edges inner = EdgesAt(shot, 1);
    EXPECT_EQ(inner.top, ButtonFace);
    EXPECT_EQ(inner.left, ButtonFace);
    EXPECT_EQ(inner.bottom, SysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(inner.right, SysPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(ContentRect(), (Rect{3, 3, 72, 54}));
}

TEST_F(PvxButtonPaintTest, PressedClassicFrameIsSunkenAndContentShiftsOnePixel)
{
    Rect idle = ContentRect();
    Press();
    Image24 shot = Shot();
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Pressed);
    ExpectEdges(shot, 0, SysPixel(COLOR_BTNSHADOW), SysPixel(COLOR_BTNHIGHLIGHT));
    ExpectEdges(shot, 1, SysPixel(COLOR_3DDKSHADOW), SysPixel(COLOR_3DLIGHT));
    Rect pressed = ContentRect();
    EXPECT_EQ(pressed, (Rect{4, 4, 73, 55}));
    EXPECT_EQ(pressed.left - idle.left, 1);
    EXPECT_EQ(pressed.top - idle.top, 1);
}

TEST_F(PvxButtonPaintTest, PressingShiftsGlyphAndCaptionByExactlyOnePixel)
{
    button->SetCaption("Compare");
    Rgb24 red[] = {PureRed};
    Image24 glyph = StripPicture(32, 32, 1, red, Fuchsia);
    button->SetGlyph(glyph.View());
    Rgb24 text = SysPixel(COLOR_WINDOWTEXT);
    Image24 idle = Shot();
    Press();
    Image24 pressed = Shot();
    EXPECT_EQ(BoundsOf(pressed, PureRed), BoundsOf(idle, PureRed).Translated(1, 1));
    Rect textArea{3, 38, 72, 54};
    Rect idleText = BoundsOf(idle, text, textArea);
    ASSERT_FALSE(idleText.IsEmpty());
    EXPECT_EQ(BoundsOf(pressed, text, textArea.Translated(1, 1)), idleText.Translated(1, 1));
}

TEST_F(PvxButtonPaintTest, ActiveClassicButtonHasOutlineAndFocusRectangle)
{
    button->SetFocus();
    PumpMessages();
    Image24 shot = Shot();
    ExpectEdges(shot, 0, SysPixel(COLOR_WINDOWFRAME), SysPixel(COLOR_WINDOWFRAME));
    ExpectEdges(shot, 1, SysPixel(COLOR_BTNHIGHLIGHT), SysPixel(COLOR_BTNSHADOW));
    // The dotted focus rectangle: along row 4 every other pixel is changed,
    // the rows beside it are untouched face.
    int dotted = 0;
    for (int x = 5; x < 70; ++x) {
        dotted += shot.At(x, 4) != ButtonFace;
        EXPECT_EQ(shot.At(x, 3), ButtonFace) << x;
        EXPECT_EQ(shot.At(x, 5), ButtonFace) << x;
    }
    EXPECT_GE(dotted, 30);
    int dottedLeft = 0;
    for (int y = 5; y < 52; ++y)
        dottedLeft += shot.At(4, y) != ButtonFace;
    EXPECT_GE(dottedLeft, 20) << "the left side is dotted too";
    EXPECT_EQ(ContentRect(), (Rect{4, 4, 71, 53}));
}

TEST_F(PvxButtonPaintTest, ActiveAndPressedLosesTheOutlineButKeepsTheFocusRectangle)
{
    button->SetFocus();
    PumpMessages();
    Press();
    Image24 shot = Shot();
    ExpectEdges(shot, 0, SysPixel(COLOR_BTNSHADOW), SysPixel(COLOR_BTNHIGHLIGHT));
    int dotted = 0;
    for (int x = 5; x < 70; ++x)
        dotted += shot.At(x, 4) != ButtonFace;
    EXPECT_GE(dotted, 30) << "focus rectangle still 4 pixels inside";
    EXPECT_EQ(ContentRect(), (Rect{4, 4, 73, 55}));
}

TEST_F(PvxButtonPaintTest, KeyColouredGlyphPixelsShowTheFace)
{
    // Like the Compare glyph: a black field (the key) around a red square.
    Image24 glyph(32, 32, Black);
    for (int y = 8; y < 24; ++y)
        for (int x = 8; x < 24; ++x)
            glyph.At(x, y) = PureRed;
    button->SetGlyph(glyph.View());
    Image24 shot = Shot();
    Rect red = BoundsOf(shot, PureRed);
    ASSERT_EQ(red.Width(), 16);
    Rect whole = red.Inflated(8, 8);
    EXPECT_EQ(CountOf(shot, Black, whole), 0);
    EXPECT_EQ(CountOf(shot, ButtonFace, whole), 32 * 32 - 16 * 16);
}

TEST_F(PvxButtonPaintTest, AUniqueKeyColourLeavesOnlyTheCornerPixel)
{
    // Like the Clear Fields glyph: a full square whose bottom-left pixel is a
    // blue found nowhere else.
    constexpr Rgb24 paleYellow{180, 255, 255};
    Rgb24 fill[] = {paleYellow};
    Image24 glyph = StripPicture(32, 32, 1, fill, {200, 0, 0});
    button->SetGlyph(glyph.View());
    Image24 shot = Shot();
    Rect square = BoundsOf(shot, paleYellow);
    ASSERT_EQ(square.Width(), 32);
    EXPECT_EQ(CountOf(shot, paleYellow, square), 32 * 32 - 1);
    EXPECT_EQ(shot.At(square.left, square.bottom - 1), ButtonFace);
}

TEST_F(PvxButtonPaintTest, DisabledButtonEmbossesGlyphAndCaption)
{
    Image24 glyph(16, 16, Fuchsia);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            glyph.At(x, y) = PureRed;
    button->SetGlyph(glyph.View());
    button->SetCaption("Compare");
    button->SetEnabled(false);
    Image24 shot = Shot();
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Disabled);
    EXPECT_EQ(CountOf(shot, PureRed, {0, 0, 75, 57}), 0);
    // Above the caption (whose grey may be the shadow's grey).
    Rect shadow = BoundsOf(shot, SysPixel(COLOR_BTNSHADOW), {3, 3, 72, 30});
    EXPECT_EQ(shadow.Width(), 8);
    EXPECT_EQ(shadow.Height(), 8);
    EXPECT_EQ(shot.At(shadow.right, shadow.bottom), SysPixel(COLOR_BTNHIGHLIGHT))
        << "the highlight one pixel right and down";
    EXPECT_EQ(shot.At(shadow.left - 1, shadow.top), ButtonFace);
    Rect textArea{3, 30, 72, 54};
    EXPECT_EQ(CountOf(shot, SysPixel(COLOR_WINDOWTEXT), textArea), 0);
    EXPECT_GT(CountOf(shot, SysPixel(COLOR_GRAYTEXT), textArea), 10);
    EXPECT_GT(CountOf(shot, SysPixel(COLOR_BTNHIGHLIGHT), textArea), 10);
}

TEST_F(PvxButtonPaintTest, StripImagesAreReadByState)
{
    // Normal red, disabled blue, hot green, (unused) black, pressed white.
    Rgb24 colours[] = {PureRed, PureBlue, PureGreen, Black, {255, 255, 255}};
    Image24 strip = StripPicture(16, 16, 5, colours, Fuchsia);
    button->SetGlyph(strip.View());
    EXPECT_EQ(button->NumGlyphs(), 5);
    EXPECT_GT(CountOf(Shot(), PureRed, {0, 0, 75, 57}), 200);
    Hover();
    EXPECT_GT(CountOf(Shot(), PureGreen, {0, 0, 75, 57}), 200);
    Press();
    EXPECT_GT(CountOf(Shot(), {255, 255, 255}, {3, 3, 72, 54}), 200);
    SendMessageA(button->Handle(), BM_SETSTATE, FALSE, 0);
    button->SetEnabled(false);
    EXPECT_GT(CountOf(Shot(), PureBlue, {0, 0, 75, 57}), 200);
}

TEST_F(PvxButtonPaintTest, OneImageServesHotAndPressed)
{
    Rgb24 red[] = {PureRed};
    Image24 glyph = StripPicture(16, 16, 1, red, Fuchsia);
    button->SetGlyph(glyph.View());
    int normal = CountOf(Shot(), PureRed, {0, 0, 75, 57});
    Hover();
    EXPECT_EQ(CountOf(Shot(), PureRed, {0, 0, 75, 57}), normal);
    Press();
    EXPECT_EQ(CountOf(Shot(), PureRed, {0, 0, 75, 57}), normal);
    EXPECT_EQ(normal, 16 * 16 - 1);
}

TEST_F(PvxButtonPaintTest, NumGlyphsFollowsTheGlyphShape)
{
    Rgb24 colours[] = {PureRed, PureBlue, PureGreen, Black, PureRed, PureBlue};
    Image24 two = StripPicture(32, 32, 2, colours, Fuchsia);
    button->SetGlyph(two.View());
    EXPECT_EQ(button->NumGlyphs(), 2);
    Image24 six = StripPicture(32, 32, 6, colours, Fuchsia);
    button->SetGlyph(six.View());
    EXPECT_EQ(button->NumGlyphs(), 1) << "192 x 32: a ratio of 6 gives 1";
    button->SetNumGlyphs(3);
    Image24 odd = StripPicture(50, 32, 1, colours, Fuchsia);
    button->SetGlyph(odd.View());
    EXPECT_EQ(button->NumGlyphs(), 3) << "50 x 32 is no multiple: unchanged";
    button->SetNumGlyphs(0);
    EXPECT_EQ(button->NumGlyphs(), 3) << "0 is ignored";
    EXPECT_EQ(button->Glyph().Width(), 50);
}

TEST_F(PvxButtonPaintTest, EmptyCaptionStillTakesALineUnderTheGlyph)
{
    Rgb24 red[] = {PureRed};
    Image24 glyph = StripPicture(32, 32, 1, red, Fuchsia);
    button->SetGlyph(glyph.View());
    int line = MeasureCaption(button->Font(), " ", DT_EXPANDTABS, 0).height;
    ASSERT_GT(line, 8);
    Rect shown = BoundsOf(Shot(), PureRed);
    EXPECT_EQ(shown.top, 3 + (51 - (line + 2 + 2 + 32)) / 2)
        << "glyph, spacing and a line of text are centred together";
    button->SetUseCaption(false);
    shown = BoundsOf(Shot(), PureRed);
    EXPECT_EQ(shown.top, 3 + (51 - (line + 2 + 32)) / 2) << "no caption: no spacing";
}

// A visual style whose push button is a 2-pixel ring in a colour per state
// over the part rectangle, so its outer ring falls outside the button.
struct FakeTheme {
    static inline std::vector<int> states;
    static inline std::vector<RECT> rects;
    static Rgb24 StateColour(int state) { return {0, uint8_t(state * 40), 0x80}; }
    static BOOL WINAPI Active() { return TRUE; }
    static HANDLE WINAPI Open(HWND, LPCWSTR) { return reinterpret_cast<HANDLE>(1); }
    static HANDLE WINAPI OpenNothing(HWND, LPCWSTR) { return nullptr; }
    static HRESULT WINAPI Close(HANDLE) { return S_OK; }
    static HRESULT WINAPI Draw(HANDLE, HDC dc, int part, int state, const RECT* r, const RECT*)
    {
        if (part != 1)
            return E_FAIL;
        states.push_back(state);
        rects.push_back(*r);
        UniqueBrush brush(CreateSolidBrush(ToColorRef(StateColour(state))));
        RECT ring = *r;
        for (int i = 0; i < 2; ++i) {
            FrameRect(dc, &ring, brush.Get());
            InflateRect(&ring, -1, -1);
        }
        return S_OK;
    }
    static TPvxThemeApi Api() { return {Active, Open, Close, Draw}; }
};

class PvxThemedButtonTest : public PvxButtonPaintTest {
protected:
    void SetUp() override
    {
        PvxButtonPaintTest::SetUp();
        FakeTheme::states.clear();
        FakeTheme::rects.clear();
        TPvxThemeServices::Instance().SetApi(FakeTheme::Api());
        button->SetThemeMode(TPvxThemeMode::ttmPlatform);
    }
    int LastState()
    {
        Shot();
        return FakeTheme::states.empty() ? -1 : FakeTheme::states.back();
    }
};

TEST_F(PvxThemedButtonTest, ThePartCoversTheClientGrownByOne)
{
    Image24 shot = Shot();
    ASSERT_TRUE(button->IsThemed());
    ASSERT_FALSE(FakeTheme::rects.empty());
    RECT r = FakeTheme::rects.back();
    EXPECT_EQ(FromRECT(r), (Rect{-1, -1, 76, 58}));
    EXPECT_EQ(shot.At(0, 0), FakeTheme::StateColour(1));
    EXPECT_EQ(shot.At(37, 1), ButtonFace) << "inside the part: the face filled with Color";
}

TEST_F(PvxThemedButtonTest, StateOfThePart)
{
    EXPECT_EQ(LastState(), 1);
    button->SetFocus();
    PumpMessages();
    EXPECT_EQ(LastState(), 5) << "focused: defaulted";
    Hover();
    EXPECT_EQ(LastState(), 2) << "hot wins over defaulted";
    Press();
    EXPECT_EQ(LastState(), 3);
    button->SetEnabled(false);
    EXPECT_EQ(LastState(), 4);
}

TEST_F(PvxThemedButtonTest, ContentIsTwoPixelsInsideAndDoesNotShiftWhenPressed)
{
    EXPECT_EQ(ContentRect(), (Rect{2, 2, 73, 55}));
    Press();
    EXPECT_EQ(ContentRect(), (Rect{2, 2, 73, 55}));
}

TEST_F(PvxThemedButtonTest, FocusRectangleOnTheContentRectangle)
{
    button->SetFocus();
    PumpMessages();
    Image24 shot = Shot();
    int dotted = 0;
    for (int x = 3; x < 72; ++x) {
        dotted += shot.At(x, 2) != ButtonFace;
        EXPECT_EQ(shot.At(x, 3), ButtonFace) << x;
    }
    EXPECT_GE(dotted, 30);
}

TEST_F(PvxThemedButtonTest, HoverIsDeferredWhenThemedAndImmediateWhenClassic)
{
    Shot();
    HoverWithoutPainting();
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Normal) << "themed: repainted later";
    Shot();
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Hot);
    MouseInput(form->Handle(), {150, 120});
    Shot();
    button->SetThemeMode(TPvxThemeMode::ttmNone);
    Shot();
    HoverWithoutPainting();
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Hot) << "classic: repainted at once";
}

TEST_F(PvxThemedButtonTest, ThemeModeNoneAndTheApplicationSwitchGiveTheClassicFrame)
{
    auto& services = TPvxThemeServices::Instance();
    button->SetThemeMode(TPvxThemeMode::ttmNone);
    EXPECT_FALSE(button->IsThemed());
    button->SetThemeMode(TPvxThemeMode::ttmNative);
    EXPECT_TRUE(button->IsThemed());
    services.SetAllowVisualStyles(false);
    EXPECT_FALSE(button->IsThemed());
    services.SetAllowVisualStyles(true);
    button->SetThemeGlobalMode(true);
    services.SetGlobalThemeMode(TPvxThemeMode::ttmNone);
    EXPECT_FALSE(button->IsThemed());
    Image24 shot = Shot();
    EXPECT_EQ(shot.At(37, 0), SysPixel(COLOR_BTNHIGHLIGHT));
    services.SetGlobalThemeMode(TPvxThemeMode::ttmPlatform);
    EXPECT_TRUE(button->IsThemed());
}

TEST_F(PvxThemedButtonTest, AThemeChangeRepaintsTheButton)
{
    Shot();
    FakeTheme::states.clear();
    SendMessageA(TPvxThemeServices::Instance().Handle(), WM_THEMECHANGED, 0, 0);
    Shot();
    EXPECT_EQ(FakeTheme::states.size(), 1u);
}

TEST_F(PvxThemedButtonTest, AFailingStyleFallsBackToTheClassicFrame)
{
    TPvxThemeApi api = FakeTheme::Api();
    api.OpenThemeData = FakeTheme::OpenNothing;
    TPvxThemeServices::Instance().SetApi(api);
    Image24 shot = Shot();
    EXPECT_EQ(shot.At(37, 0), SysPixel(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(ContentRect(), (Rect{3, 3, 72, 54}));
}

// The platform's own visual style, where one is active (Wine's default
// prefix has one).
TEST_F(PvxButtonPaintTest, PlatformVisualStyleDrawsTheFrame)
{
    auto& services = TPvxThemeServices::Instance();
    if (!services.ThemesEnabled())
        GTEST_SKIP() << "no visual style is active on this desktop";
    Image24 classic = Shot();
    button->SetThemeMode(TPvxThemeMode::ttmPlatform);
    ASSERT_TRUE(button->IsThemed());
    Image24 themed = Shot();
    int differing = 0;
    for (int x = 0; x < 75; ++x)
        differing += themed.At(x, 0) != classic.At(x, 0) || themed.At(x, 56) != classic.At(x, 56);
    EXPECT_GT(differing, 20) << "the visual style, not the classic edge, draws the frame";
    EXPECT_EQ(ContentRect(), (Rect{2, 2, 73, 55}));
    Press();
    EXPECT_EQ(ContentRect(), (Rect{2, 2, 73, 55}));
}

}  // namespace
