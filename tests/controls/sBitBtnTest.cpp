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
