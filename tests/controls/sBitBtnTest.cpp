// The skinned push button on a real window: its shape, its fades recorded
// frame by frame, the pressed look of a quick click, and hints while pressed.

#include <gtest/gtest.h>

#include "controls/PvxControlTestSupport.h"
#include "controls/SkinnedTestForm.h"
#include "controls/sBitBtn.h"
#include "gfx/Merge.h"
#include "skin/engine/SkinCommands.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"

namespace {

class TButtonTestForm : public TSkinnedTestForm {
public:
    using TSkinnedTestForm::TSkinnedTestForm;
    TsBitBtn* button = nullptr;

protected:
    void AddControls() override
    {
        button = CreateControl<TsBitBtn>(this, this, "button", 40, 60, 99, 25);
        button->SkinData().SetSkinSection("BUTTON");
        button->SetCaption("Delete File 1");
        button->SetTabOrder(1);
        button->SetHint("A hint");
        button->SetShowHint(true);
    }
};

Image24 Copy(ConstView24 v)
{
    Image24 image(v.Width(), v.Height());
    for (int y = 0; y < v.Height(); ++y)
        for (int x = 0; x < v.Width(); ++x)
            image.At(x, y) = v.At(x, y);
    return image;
}

Image24 CacheOf(TsBitBtn* b)
{
    return Copy(b->SkinData().CacheBitmap()->Pixels24());
}

// The frames a fade hands the button (scFadeStep), recorded in order.
class FadeRecorder {
public:
    explicit FadeRecorder(TsBitBtn* button)
    {
        link_ = button->MessageChain().Push(TLinkRole::tlForeign, this, [this](TMessage& m) {
            if (m.Msg == SM_SKINCMD && SkinCmdOf(m.WParam) == scFadeStep)
                frames.push_back(Copy(reinterpret_cast<TBitmap*>(m.LParam)->Pixels24()));
            link_.CallBelow(m);
        });
    }
    FadeRecorder(const FadeRecorder&) = delete;
    FadeRecorder& operator=(const FadeRecorder&) = delete;
    std::vector<Image24> frames;

private:
    TChainLink link_;
};

// The frame a fade shows at weight t of the start image.
Image24 Blended(const Image24& start, const Image24& end, int t)
{
    Image24 frame = start;
    MergeBitmaps(frame.View(), end.View(), t);
    return frame;
}

class SkinnedButtonTest : public testing::Test {
protected:
    void SetUp() override { Open({}); }
    void TearDown() override
    {
        delete form;
        ParkPointer();
        PumpMessages();
    }
    void Open(std::vector<uint8_t> package)
    {
        delete form;
        ParkPointer();
        form = new TButtonTestForm(Application, std::move(package));
        form->Create();
        form->Show();
        PumpMessages();
        button = form->button;
    }
    bool FadeEnds()
    {
        return PumpUntil([&] { return !button->RunningFade(); });
    }
    Point Middle() const { return {49, 12}; }

    TButtonTestForm* form = nullptr;
    TsBitBtn* button = nullptr;
};

}  // namespace

TEST_F(SkinnedButtonTest, TheWindowIsCutAtTheBorderImagesKeyColourCorners)
{
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button->Handle(), region.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 98, 24));
    EXPECT_TRUE(PtInRegion(region.Get(), 49, 12));
    POINT corner{0, 0};
    ClientToScreen(button->Handle(), &corner);
    EXPECT_EQ(WindowFromPoint(corner), form->Handle()) << "a click on a cut corner reaches the parent";
    POINT middle{49, 12};
    ClientToScreen(button->Handle(), &middle);
    EXPECT_EQ(WindowFromPoint(middle), button->Handle());
}

TEST_F(SkinnedButtonTest, EnteringFadesInTwentyFramesFromTheNormalToTheHotLook)
{
    Image24 normal = CacheOf(button);
    FadeRecorder recorder(button);
    MouseInput(button->Handle(), Middle());
    ASSERT_TRUE(FadeEnds());
    Image24 hot = CacheOf(button);
    ASSERT_EQ(recorder.frames.size(), 20u);
    EXPECT_NE(hot.At(49, 0), normal.At(49, 0)) << "the hot look differs";
    for (int step = 1; step <= 20; ++step)
        EXPECT_EQ(recorder.frames[std::size_t(step - 1)].At(49, 0), Blended(normal, hot, FadeWeight(step, 20)).At(49, 0))
            << "frame " << step;
    EXPECT_EQ(FadeWeight(1, 20), 243);
    EXPECT_EQ(FadeWeight(20, 20), 0);
    EXPECT_EQ(GrabClientAsIs(button->Handle()).At(49, 12), hot.At(49, 12)) << "the last frame is the new look";
}

TEST_F(SkinnedButtonTest, PressingFadesInTenFrames)
{
    MouseInput(button->Handle(), Middle());
    ASSERT_TRUE(FadeEnds());
    FadeRecorder recorder(button);
    MouseInput(button->Handle(), Middle(), MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(FadeEnds());
    EXPECT_EQ(recorder.frames.size(), 10u);
    EXPECT_EQ(button->StateIndex(), kStatePressed);
    MouseInput(button->Handle(), Middle(), MOUSEEVENTF_LEFTUP);
    FadeEnds();
}

TEST_F(SkinnedButtonTest, LeavingMidFadeStartsFromTheWholeHotLookNotTheHalfFadedScreen)
{
    Image24 normal = CacheOf(button);
    FadeRecorder recorder(button);
    MouseInput(button->Handle(), Middle());
    ASSERT_TRUE(button->RunningFade());
    Image24 hot = CacheOf(button);  // the enter fade's target, drawn whole at its start
    ASSERT_TRUE(PumpUntil([&] { return recorder.frames.size() >= 3; }));
    ASSERT_TRUE(button->RunningFade()) << "still half-faded";
    std::size_t leftAt = 0;
    button->OnMouseLeave = [&](TComponent*) { leftAt = recorder.frames.size(); };
    MouseInput(form->Handle(), {5, 200});
    ASSERT_TRUE(FadeEnds());
    ASSERT_GT(leftAt, 0u);
    ASSERT_EQ(recorder.frames.size(), leftAt + 20) << "a whole leave fade";
    EXPECT_EQ(recorder.frames[leftAt].At(49, 0), Blended(hot, normal, FadeWeight(1, 20)).At(49, 0));
    EXPECT_NE(recorder.frames[leftAt].At(49, 0), Blended(recorder.frames[leftAt - 1], normal, FadeWeight(1, 20)).At(49, 0))
        << "not from the frame on the screen";
}

TEST_F(SkinnedButtonTest, AQuickClickStillShowsTheWholePressedLook)
{
    button->SetDown(true);
    Image24 pressed = CacheOf(button);
    button->SetDown(false);
    MouseInput(button->Handle(), Middle());
    ASSERT_TRUE(FadeEnds());
    Image24 hot = CacheOf(button);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    FadeRecorder recorder(button);
    MouseInput(button->Handle(), Middle(), MOUSEEVENTF_LEFTDOWN);
    MouseInput(button->Handle(), Middle(), MOUSEEVENTF_LEFTUP);  // before the press fade could end
    ASSERT_TRUE(FadeEnds());
    EXPECT_EQ(clicks, 1);
    ASSERT_GE(recorder.frames.size(), 10u);
    const Image24& firstRelease = recorder.frames[recorder.frames.size() - 10];
    EXPECT_EQ(firstRelease.At(49, 0), Blended(pressed, hot, FadeWeight(1, 10)).At(49, 0))
        << "the release fades from the pressed look drawn whole";
}

TEST_F(SkinnedButtonTest, WithoutAnimatedEventsOrWithFadingOffTheLookChangesAtOnce)
{
    button->AnimatEvents = 0;
    MouseInput(button->Handle(), Middle());
    EXPECT_EQ(button->RunningFade(), nullptr);
    Image24 hot = CacheOf(button);
    EXPECT_EQ(GrabClientAsIs(button->Handle()).At(49, 0), hot.At(49, 0));

    Open(SkinPackageWith("BUTTON", "FADINGENABLED", "FALSE"));
    MouseInput(button->Handle(), Middle());
    EXPECT_EQ(button->RunningFade(), nullptr);
    EXPECT_EQ(button->StateIndex(), kStateHot);
}

TEST_F(SkinnedButtonTest, NoHintsWhileTheLeftButtonIsHeldOnTheButton)
{
    ASSERT_TRUE(Application->ShowHint());
    MouseInput(button->Handle(), Middle(), MOUSEEVENTF_LEFTDOWN);
    EXPECT_FALSE(Application->ShowHint());
    MouseInput(button->Handle(), Middle(), MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(Application->ShowHint());
    FadeEnds();
}

namespace {

// The look of the button with Down set, as its cache holds it.
Image24 PressedLook(TsBitBtn* button)
{
    button->SetDown(true);
    Image24 pressed = CacheOf(button);
    button->SetDown(false);
    PumpMessages();
    return pressed;
}

// A glyph of one pure red image on a fuchsia key.
void GiveRedGlyph(TsBitBtn* button)
{
    TBitmap& glyph = button->Glyph();
    glyph.SetSize(12, 12);
    View24 p = glyph.Pixels24();
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            p.At(x, y) = (x == 0 && y == 11) ? Fuchsia : PureRed;
    button->SetNumGlyphs(1);
}

class TKindsTestForm : public TButtonTestForm {
public:
    using TButtonTestForm::TButtonTestForm;
    TsBitBtn* ok = nullptr;

protected:
    void AddControls() override
    {
        TButtonTestForm::AddControls();
        ok = CreateControl<TsBitBtn>(this, this, "ok", 160, 60, 75, 33);
        ok->SetCaption("Close it");
        ok->SetKind(TBitBtnKind::bkOK);
    }
};

}  // namespace

TEST_F(SkinnedButtonTest, ASuspendedPaintWaitsForResumingAndAFrozenCacheForThawing)
{
    Image24 pressed = PressedLook(button);
    Image24 normal = CacheOf(button);
    ASSERT_NE(pressed.At(49, 0), normal.At(49, 0));
    auto shown = [&] { return GrabClientAsIs(button->Handle()).At(49, 0); };

    SendSkinCommand(button, scSetUpdating, 1);
    button->SetDown(true);
    EXPECT_EQ(shown(), normal.At(49, 0)) << "painting is suspended";
    SendSkinCommand(button, scResumePainting);
    EXPECT_FALSE(button->SkinData().Updating);
    EXPECT_EQ(shown(), pressed.At(49, 0)) << "the parent's word resumes it";

    button->SetDown(false);
    SendSkinCommand(button, scFreezeCache, 1);
    EXPECT_EQ(CacheOf(button).At(49, 0), normal.At(49, 0)) << "frozen up to date";
    button->SetDown(true);
    EXPECT_EQ(shown(), normal.At(49, 0)) << "a frozen cache keeps its look";
    SendSkinCommand(button, scFreezeCache, 0);
    RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(shown(), pressed.At(49, 0));
}

TEST_F(SkinnedButtonTest, APrintDuringAFadeShowsTheNewLookAndLeavesTheShapeAlone)
{
    UniqueRegion before(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button->Handle(), before.Get()), ERROR);
    MouseInput(button->Handle(), Middle());
    ASSERT_NE(button->RunningFade(), nullptr);
    TBitmap printed(99, 25);
    SendMessageA(button->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()), PRF_CLIENT);
    EXPECT_EQ(printed.Pixels24().At(49, 0), CacheOf(button).At(49, 0)) << "the hot look it fades to";
    EXPECT_NE(printed.Pixels24().At(49, 12), Black) << "not blank";
    UniqueRegion after(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button->Handle(), after.Get()), ERROR);
    EXPECT_TRUE(EqualRgn(before.Get(), after.Get()));
    ASSERT_TRUE(FadeEnds());
}

TEST_F(SkinnedButtonTest, HintsComeBackWhenTheButtonIsDisabledWhileHeld)
{
    MouseInput(button->Handle(), Middle(), MOUSEEVENTF_LEFTDOWN);
    EXPECT_FALSE(Application->ShowHint());
    button->SetEnabled(false);
    MouseInput(button->Handle(), Middle(), MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(Application->ShowHint());
    FadeEnds();
}

TEST_F(SkinnedButtonTest, RightToLeftReadingPutsTheGlyphAfterTheCaption)
{
    GiveRedGlyph(button);
    button->SetBiDiMode(TBiDiMode::bdRightToLeft);
    PumpMessages();
    Rect rtl = BoundsOf(GrabClient(button->Handle()), PureRed);
    button->SetBiDiMode(TBiDiMode::bdLeftToRight);
    PumpMessages();
    Rect ltr = BoundsOf(GrabClient(button->Handle()), PureRed);
    ASSERT_EQ(ltr.Width(), 12);
    ASSERT_EQ(rtl.Width(), 12);
    EXPECT_LT(ltr.right, 49) << "left of the caption";
    EXPECT_GT(rtl.left, 49) << "right of the caption";
}

TEST(SkinnedButtonKinds, EachKindBringsItsCaptionResultAndRoleButFormDataKeepTheirCaption)
{
    auto* form = new TKindsTestForm(Application);
    form->Create();
    EXPECT_EQ(form->ok->Caption(), "Close it") << "set by the form data before the kind";
    EXPECT_EQ(form->ok->ModalResult(), mrOk);
    EXPECT_TRUE(form->ok->Default());
    EXPECT_EQ(form->ok->NumGlyphs(), 2);
    TsBitBtn* b = form->button;
    struct Expected {
        TBitBtnKind kind;
        const char* caption;
        TModalResult result;
        bool isDefault, isCancel;
    };
    for (Expected e : {Expected{TBitBtnKind::bkCancel, "Cancel", mrCancel, false, true},
                       Expected{TBitBtnKind::bkYes, "&Yes", IDYES, true, false},
                       Expected{TBitBtnKind::bkNo, "&No", IDNO, false, true},
                       Expected{TBitBtnKind::bkAll, "&All", 8, false, false}}) {
        b->SetDefault(false);
        b->SetCancel(false);
        b->SetKind(e.kind);
        EXPECT_EQ(b->Caption(), e.caption);
        EXPECT_EQ(b->ModalResult(), e.result) << e.caption;
        EXPECT_EQ(b->Default(), e.isDefault) << e.caption;
        EXPECT_EQ(b->Cancel(), e.isCancel) << e.caption;
    }
    form->Show();
    PumpMessages();
    b->SetKind(TBitBtnKind::bkClose);
    EXPECT_EQ(b->Caption(), "&Close");
    SendMessageA(b->Handle(), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(form->Handle())) << "Close closes the form";
    delete form;
    PumpMessages();
}
