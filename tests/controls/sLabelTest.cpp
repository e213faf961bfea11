// The skinned labels on a real form: the shadowed label's margins, size and
// pixels against a plain re-computation of its effect, its plain and
// embossed drawings, and the font colours the skin gives the labels.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "controls/PvxControlTestSupport.h"
#include "controls/PvxGlyphImages.h"
#include "controls/SkinnedTestForm.h"
#include "controls/sLabel.h"
#include "controls/sTooledit.h"
#include "gfx/ColorBlend.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinTestFiles.h"
#include "skin/engine/sCommonData.h"
#include "skin/forms/sSkinProvider.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"

namespace {

constexpr UINT kLabelFormat = DT_EXPANDTABS | DT_LEFT;

class TLabelTestForm : public TSkinnedTestForm {
public:
    using TSkinnedTestForm::TSkinnedTestForm;
    TsLabelFX* fx = nullptr;
    TsLabel* plain = nullptr;

protected:
    void AddControls() override
    {
        fx = CreateControl<TsLabelFX>(this, this, "fx", 10, 40, 183, 36);
        fx->SetCaption("Parivex 1.1");
        fx->Font().SetName("Tahoma");
        fx->Font().SetSize(14);
        fx->Font().SetStyle(fsBold);
        fx->Font().SetColor(4276545);
        plain = CreateControl<TsLabel>(this, this, "plain", 10, 100, 100, 13);
        plain->SetCaption("A Parivex utility");
        plain->Font().SetColor(4276545);
    }
};

// The caption's extent as DrawText measures it in the label's font.
Size TextSize(TCustomLabel* label, const std::string& text)
{
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font().Assign(label->Font());
    Rect r{0, 0, 0, 0};
    canvas.DrawText(text, r, kLabelFormat | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

// What the label paints over a background, through its own paint.
Image24 PaintedOver(TControl* label, const std::function<Rgb24(int, int)>& background)
{
    TBitmap target(label->Width(), label->Height());
    View24 pixels = target.Pixels24();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            pixels.At(x, y) = background(x, y);
    label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0);
    return CopyImage(target.Pixels24());
}

// The caption drawn plainly over a plain background, pass after pass: each
// pass a colour and the rectangle it is drawn into.
struct TextPass {
    TColor colour;
    Rect rect;
};
Image24 DrawnPlainly(TCustomLabel* label, Rgb24 background, const std::vector<TextPass>& passes)
{
    TBitmap target(label->Width(), label->Height());
    View24 pixels = target.Pixels24();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            pixels.At(x, y) = background;
    TCanvas& canvas = target.Canvas();
    canvas.Font().Assign(label->Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    for (TextPass pass : passes) {
        canvas.Font().SetColor(pass.colour);
        canvas.DrawText(label->Caption(), pass.rect, kLabelFormat);
    }
    return CopyImage(target.Pixels24());
}

bool Same(const Image24& a, const Image24& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!(a.At(x, y) == b.At(x, y)))
                return false;
    return true;
}

// Where a text drawn white on black in the label's font lands.
Image32 Ink(TCustomLabel* label, Rect rect)
{
    TBitmap ink(label->Width(), label->Height(), TPixelFormat::pf32bit);
    View32 pixels = ink.Pixels32();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            pixels.At(x, y) = {};
    TCanvas& canvas = ink.Canvas();
    canvas.Font().Assign(label->Font());
    canvas.Font().SetColor(clWhite);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(label->Caption(), rect, kLabelFormat);
    ConstView32 drawn = ink.Pixels32();
    Image32 image(drawn.Width(), drawn.Height());
    for (int y = 0; y < drawn.Height(); ++y)
        for (int x = 0; x < drawn.Width(); ++x)
            image.At(x, y) = drawn.At(x, y);
    return image;
}

// The shadow's strength per pixel, worked out the plain way: B times, stamp
// the ink, then walk the rows replacing each cell by the mean of its four
// neighbours as they stand.
std::vector<std::vector<int>> PlainBlur(const Image32& ink, int passes)
{
    int w = ink.Width(), h = ink.Height();
    std::vector<std::vector<int>> a(std::size_t(h + 2), std::vector<int>(std::size_t(w + 2), 0));
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (ink.At(x, y).b)
                    a[std::size_t(y + 1)][std::size_t(x + 1)] = 255;
        for (std::size_t y = 1; y <= std::size_t(h); ++y)
            for (std::size_t x = 1; x <= std::size_t(w); ++x)
                a[y][x] = (a[y - 1][x] + a[y + 1][x] + a[y][x - 1] + a[y][x + 1]) / 4;
    }
    return a;
}

class SkinnedLabelTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = new TLabelTestForm(Application);
        form->Create();
        form->Show();
        PumpMessages();
        fx = form->fx;
        plain = form->plain;
    }
    void TearDown() override
    {
        delete form;
        PumpMessages();
    }
    // A small caption with a shadow of its own: red, two passes, two pixels away.
    void UseOwnShadow()
    {
        fx->Font().SetName("Tahoma");
        fx->Font().SetSize(8);
        fx->Font().SetStyle(0);
        fx->SetCaption("Hi");
        fx->Shadow().SetMode(TsShadowMode::smCustom);
        fx->Shadow().SetColor(clRed);
        fx->Shadow().SetBlurCount(2);
        fx->Shadow().SetDistance(2);
        fx->Kind().SetKindType(TsKindType::ktCustom);
        fx->Kind().SetColor(clBlue);
        fx->SetAutoSize(true);
    }
    // The label's pixels against the plain re-computation, away from its caption.
    void ExpectEffect(const std::function<Rgb24(int, int)>& background, bool transparent)
    {
        fx->SetTransparent(transparent);
        fx->SetColor(0x30A0F0);
        TsEffectMargins m = fx->Margins();
        int w = fx->Width(), h = fx->Height();
        Image24 painted = PaintedOver(fx, background);
        Image32 stamp = Ink(fx, Rect{-m.m1, -m.m1, w - m.m2, h - m.m2}.Translated(2, 2));
        Image32 caption = Ink(fx, Rect{-m.m1, -m.m1, w - m.m2, h - m.m2});
        std::vector<std::vector<int>> a = PlainBlur(stamp, 2);
        const Rgb24 s{0, 0, 255}, l{0x30, 0xA0, 0xF0};
        int shaded = 0, captionPixels = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (caption.At(x, y).b) {
                    ++captionPixels;
                    continue;
                }
                int alpha = a[std::size_t(y + 1)][std::size_t(x + 1)];
                Rgb24 under = transparent ? background(x, y) : l;
                auto mix = [&](int p, int c) {
                    return transparent ? (p * (255 - alpha) + c * alpha) / 256 : (c * alpha + p * (255 - alpha)) / 256;
                };
                Rgb24 expected{uint8_t(mix(under.b, s.b)), uint8_t(mix(under.g, s.g)), uint8_t(mix(under.r, s.r))};
                ASSERT_EQ(painted.At(x, y), expected) << x << "," << y << " alpha " << alpha;
                shaded += alpha > 0;
            }
        EXPECT_GT(shaded, 20);
        EXPECT_GT(captionPixels, 5);
        // The caption itself is drawn in Kind's colour.
        EXPECT_GT(CountOf(painted, Rgb24{255, 0, 0}, {0, 0, w, h}), 5);
    }

    TLabelTestForm* form = nullptr;
    TsLabelFX* fx = nullptr;
    TsLabel* plain = nullptr;
};

TEST_F(SkinnedLabelTest, TheInternalSkinsShadowAddsMinus5And7And12PixelsEachWay)
{
    EXPECT_EQ(fx->Margins().m1, -5);
    EXPECT_EQ(fx->Margins().m2, 7);
    Size text = TextSize(fx, "Parivex 1.1");
    EXPECT_EQ(fx->Width(), text.width + 12);
    EXPECT_EQ(fx->Height(), text.height + 12);
    EXPECT_TRUE(fx->Transparent());
    EXPECT_EQ(fx->Font().Color(), 4276545);
    // The caption is white, its top-left corner at (5, 5).
    Image24 painted = PaintedOver(fx, [](int, int) { return Rgb24{200, 200, 200}; });
    Rect white = BoundsOf(painted, Rgb24{255, 255, 255});
    EXPECT_GE(white.left, 5);
    EXPECT_GE(white.top, 5);
    EXPECT_LE(white.left, 7);
}

TEST_F(SkinnedLabelTest, AnOpaqueShadowMatchesAPlainReComputation)
{
    UseOwnShadow();
    EXPECT_EQ(fx->Margins().m1, 0);
    EXPECT_EQ(fx->Margins().m2, 4);
    ExpectEffect([](int, int) { return Rgb24{9, 9, 9}; }, false);
}

TEST_F(SkinnedLabelTest, ATransparentShadowTintsThePatternBehindIt)
{
    UseOwnShadow();
    ExpectEffect([](int x, int y) { return (x / 2 + y) % 2 ? Rgb24{250, 240, 230} : Rgb24{20, 90, 160}; }, true);
}

TEST_F(SkinnedLabelTest, AnEmptyCaptionMeasuresOneLineHigh)
{
    int line = TextSize(plain, " ").height;
    plain->SetCaption("");
    EXPECT_EQ(plain->Height(), line);
    fx->SetCaption("");
    EXPECT_EQ(fx->Height(), TextSize(fx, " ").height + 12);
}

TEST_F(SkinnedLabelTest, NoBlurOrNoShadowColourDrawsPlainlyWithoutMargins)
{
    Size bare = TextSize(fx, "Parivex 1.1");
    fx->Shadow().SetMode(TsShadowMode::smCustom);
    for (auto setUp : std::vector<std::function<void()>>{
             [&] { fx->Shadow().SetBlurCount(0); },
             [&] { fx->Shadow().SetBlurCount(4), fx->Shadow().SetColor(clNone); }}) {
        setUp();
        fx->SetAutoSize(true);
        EXPECT_EQ(fx->Width(), bare.width);
        EXPECT_EQ(fx->Height(), bare.height);
        const Rgb24 back{10, 10, 10};
        Image24 painted = PaintedOver(fx, [&](int, int) { return back; });
        EXPECT_TRUE(Same(painted, DrawnPlainly(fx, back, {{clWhite, fx->ClientRect()}})))
            << "the caption alone, at the label's corner";
    }
}

TEST_F(SkinnedLabelTest, ANegativeBlurCountGivesNoShadowButKeepsTheMargins)
{
    Size bare = TextSize(fx, "Parivex 1.1");
    fx->Shadow().SetMode(TsShadowMode::smCustom);
    fx->Shadow().SetBlurCount(-1);
    fx->Shadow().SetDistance(3);
    fx->SetAutoSize(true);
    EXPECT_EQ(fx->Margins().m1, 0);
    EXPECT_EQ(fx->Margins().m2, 2);
    EXPECT_EQ(fx->Width(), bare.width + 2);
    EXPECT_EQ(fx->Height(), bare.height + 2);
    // Black stays black through the blend even where no shadow falls ((P x 255) div 256).
    const Rgb24 back{0, 0, 0};
    Image24 painted = PaintedOver(fx, [&](int, int) { return back; });
    Rect inside{0, 0, fx->Width() - 2, fx->Height() - 2};
    EXPECT_TRUE(Same(painted, DrawnPlainly(fx, back, {{clWhite, inside}}))) << "no shadow pixel";
}

TEST_F(SkinnedLabelTest, ADisabledShadowedLabelIsEmbossedWithoutShadowAndShrinks)
{
    Size bare = TextSize(fx, "Parivex 1.1");
    fx->SetEnabled(false);
    EXPECT_EQ(fx->Width(), bare.width);
    EXPECT_EQ(fx->Height(), bare.height);
    const Rgb24 back{10, 200, 10};
    Image24 painted = PaintedOver(fx, [&](int, int) { return back; });
    Rect r = fx->ClientRect();
    EXPECT_TRUE(Same(painted, DrawnPlainly(fx, back, {{clBtnHighlight, r.Translated(1, 1)}, {clBtnShadow, r}})))
        << "highlight one pixel right and down, shadow over it";
    EXPECT_GT(CountOf(painted, SysPixel(COLOR_BTNSHADOW), r), 20);
}

TEST_F(SkinnedLabelTest, UseSkinColorFollowsTheSkinAndGetsWindowTextWhenItIsRemoved)
{
    TsLabel* own = plain;
    TsLabel* follows = new TsLabel(form);
    follows->SetParent(form);
    follows->SetCaption("follows");
    follows->SetBounds(10, 130, 60, 13);
    own->UseSkinColor = false;
    own->Font().SetColor(clRed);
    PaintedOver(own, [](int, int) { return Rgb24{}; });
    PaintedOver(follows, [](int, int) { return Rgb24{}; });
    EXPECT_EQ(own->Font().Color(), clRed);
    EXPECT_EQ(follows->Font().Color(), 4276545) << "GLOBALINFO's FONTCOLOR";

    TsStoredSkin other;
    other.Name = "Other";
    other.Data = SkinPackageWith("GLOBALINFO", "FONTCOLOR", "255");
    form->manager->InternalSkins().push_back(std::move(other));
    form->manager->SetSkinName("Other");
    PumpMessages();
    PaintedOver(own, [](int, int) { return Rgb24{}; });
    PaintedOver(follows, [](int, int) { return Rgb24{}; });
    EXPECT_EQ(own->Font().Color(), clRed);
    EXPECT_EQ(follows->Font().Color(), 255);

    form->manager->SetActive(false);
    PumpMessages();
    EXPECT_EQ(own->Font().Color(), clRed);
    EXPECT_EQ(follows->Font().Color(), clWindowText);
    EXPECT_EQ(fx->Font().Color(), clWindowText);
}

TEST_F(SkinnedLabelTest, TheSkinsFirstSectionNeverColoursALabel)
{
    const std::string& first = form->manager->Model().Sections().front().SectionName;
    plain->SetSkinSection(first);
    PaintedOver(plain, [](int, int) { return Rgb24{}; });
    EXPECT_EQ(plain->Font().Color(), 4276545);
    plain->SetSkinSection("WEBBUTTON");
    PaintedOver(plain, [](int, int) { return Rgb24{}; });
    EXPECT_EQ(plain->Font().Color(), 11040842) << "WEBBUTTON's FONTCOLOR";
}

TEST_F(SkinnedLabelTest, AnEditsLabelClearsTheEditsReferenceWhenItGoes)
{
    auto* edit = new TsFilenameEdit(form);
    edit->SetParent(form);
    edit->SetBounds(120, 150, 200, 21);
    edit->BoundLabel().Caption = "File:";
    edit->SetBoundLabelActive(true);
    TsEditLabel* label = edit->EditLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Edit(), edit);
    EXPECT_EQ(label->Caption(), "File:");
    EXPECT_EQ(label->Left() + label->Width(), 120 - 4) << "beside the edit, at its left";
    delete label;
    EXPECT_EQ(edit->EditLabel(), nullptr);
    edit->SetBoundLabelActive(true);
    delete edit;  // takes its label with it
    PumpMessages();
}

// The caption drawn once in a colour with these DrawText flags over a plain background.
Image24 DrawnWith(TCustomLabel* label, Rgb24 background, TColor colour, UINT flags)
{
    TBitmap target(label->Width(), label->Height());
    View24 pixels = target.Pixels24();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            pixels.At(x, y) = background;
    TCanvas& canvas = target.Canvas();
    canvas.Font().Assign(label->Font());
    canvas.Font().SetColor(colour);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    Rect r = label->ClientRect();
    canvas.DrawText(label->Caption(), r, flags);
    return CopyImage(target.Pixels24());
}

TEST_F(SkinnedLabelTest, ADisabledLabelWithoutShadowBlendsFortySixtyLikeThePlainOne)
{
    const Rgb24 back{10, 200, 10};
    int32_t blended = BlendColors(int32_t(ColorToRGB(4276545)), GetParentColor(form), 0.4);
    for (TsCustomLabel* label : std::vector<TsCustomLabel*>{plain, fx}) {
        fx->Shadow().SetMode(TsShadowMode::smNone);
        label->SetEnabled(false);
        Image24 painted = PaintedOver(label, [&](int, int) { return back; });
        EXPECT_TRUE(Same(painted, DrawnWith(label, back, TColor(blended), kLabelFormat))) << label->Name();
        EXPECT_EQ(CountOf(painted, SysPixel(COLOR_BTNHIGHLIGHT), label->ClientRect()), 0) << "not embossed";
    }
}

TEST_F(SkinnedLabelTest, EllipsisAndRightToLeftReadingReachTheDrawing)
{
    plain->SetAutoSize(false);
    plain->SetCaption("(1) A caption much too long for its label.");
    plain->SetBounds(10, 100, 90, 13);
    const Rgb24 back{250, 250, 250};
    auto paintedIs = [&](UINT flags) {
        return Same(PaintedOver(plain, [&](int, int) { return back; }),
                    DrawnWith(plain, back, TColor(4276545), kLabelFormat | flags));
    };
    EXPECT_TRUE(paintedIs(0));
    plain->SetEllipsisPosition(TEllipsisPosition::epEndEllipsis);
    EXPECT_TRUE(paintedIs(DT_END_ELLIPSIS));
    EXPECT_FALSE(paintedIs(0)) << "cut with an ellipsis";
    plain->SetEllipsisPosition(TEllipsisPosition::epPathEllipsis);
    EXPECT_TRUE(paintedIs(DT_PATH_ELLIPSIS));
    plain->SetEllipsisPosition(TEllipsisPosition::epNone);
    plain->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_TRUE(paintedIs(DT_RTLREADING));
    plain->SetAutoSize(true);
    EXPECT_EQ(plain->Width(), TextSize(plain, plain->Caption()).width) << "a measure takes the whole caption";
}

namespace {

// A skinned form with its form skinning component: its adapters meet every
// label the form owns.
class TAdaptedLabelForm : public TSkinnedTestForm {
public:
    using TSkinnedTestForm::TSkinnedTestForm;
    TsLabel* own = nullptr;

protected:
    void AddControls() override
    {
        new TsSkinProvider(this);
        own = CreateControl<TsLabel>(this, this, "own", 10, 100, 100, 13);
        own->SetCaption("Own colour");
        own->UseSkinColor = false;
        own->Font().SetColor(clRed);
    }
};

}  // namespace

TEST(SkinnedLabelOnAdaptedForm, ALabelOfItsOwnColourKeepsItThroughTheAdaptersAndSkinChanges)
{
    auto* form = new TAdaptedLabelForm(Application);
    form->Create();
    form->Show();
    PumpMessages();
    EXPECT_EQ(SendSkinCommand(form->own, scQueryHandled), 1);
    EXPECT_EQ(form->own->Font().Color(), clRed);
    TsStoredSkin other;
    other.Name = "Other";
    other.Data = SkinPackageWith("GLOBALINFO", "FONTCOLOR", "255");
    form->manager->InternalSkins().push_back(std::move(other));
    form->manager->SetSkinName("Other");
    PumpMessages();
    EXPECT_EQ(form->own->Font().Color(), clRed);
    Image24 screen = GrabClient(form->Handle());
    EXPECT_GT(CountOf(screen, PureRed, form->own->BoundsRect()), 5) << "drawn in its own red";
    delete form;
    PumpMessages();
}

}  // namespace
