// The glyph button under the mouse and the keyboard: pressing and releasing,
// leaving while pressed, Space and Enter, quick double clicks, the pointer's
// enter and exit events, the hint, and auto-repeat.

#include <gtest/gtest.h>

#include <vector>

#include "controls/PvxButton.h"
#include "controls/PvxControlTestSupport.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"
#include "toolkit/HintWindow.h"

namespace {

class PvxButtonInputTest : public testing::Test {
protected:
    void SetUp() override
    {
        ParkPointer();
        form = Application->CreateForm<TPvxTestForm>();
        button = CreateControl<TPvxButton>(form, form, "button", 10, 10, 75, 57);
        button->SetButtonStyle(TPvxUserButtonStyle::ubsWin40Ext);
        button->SetThemeMode(TPvxThemeMode::ttmNone);
        button->SetCaption("Compare");
        button->OnClick = [this](TComponent*) { ++clicks; };
        form->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        delete form;
        PumpMessages();
    }

    HWND Window() { return button->Handle(); }
    void MoveTo(int x, int y) { MouseInput(Window(), {x, y}); }
    void Down(int x, int y) { MouseInput(Window(), {x, y}, MOUSEEVENTF_LEFTDOWN); }
    void Up(int x, int y) { MouseInput(Window(), {x, y}, MOUSEEVENTF_LEFTUP); }
    // The top edge's middle pixel: shadow when sunken, highlight when raised.
    bool LooksPressed()
    {
        Image24 shot = GrabClient(Window());
        return shot.At(37, 0) == SysPixel(COLOR_BTNSHADOW);
    }

    TPvxTestForm* form = nullptr;
    TPvxButton* button = nullptr;
    int clicks = 0;
};

TEST_F(PvxButtonInputTest, PressAndReleaseInsideClicksOnce)
{
    Down(30, 30);
    EXPECT_TRUE(LooksPressed());
    EXPECT_EQ(GetFocus(), Window()) << "pressing takes the focus";
    Up(30, 30);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(LooksPressed());
}

TEST_F(PvxButtonInputTest, MovingOutWhilePressedShowsNormalAndReleasingThereDoesNotClick)
{
    Down(30, 30);
    MoveTo(120, 30);
    EXPECT_FALSE(LooksPressed());
    EXPECT_FALSE(button->MouseInside());
    MoveTo(31, 31);
    EXPECT_TRUE(LooksPressed()) << "back inside: pressed again";
    MoveTo(120, 30);
    Up(120, 30);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(LooksPressed());
}

TEST_F(PvxButtonInputTest, SpaceClicksOnRelease)
{
    button->SetFocus();
    PumpMessages();
    PressKey(Window(), VK_SPACE);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PvxButtonInputTest, EnterClicksTheActiveButton)
{
    button->SetFocus();
    PumpMessages();
    PressKey(Window(), VK_RETURN);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PvxButtonInputTest, EnterElsewhereDoesNotClickAndEscapeClicksACancelButton)
{
    form->edit->SetFocus();
    PumpMessages();
    PressKey(form->edit->Handle(), VK_RETURN);
    EXPECT_EQ(clicks, 0);
    button->SetCancel(true);
    PressKey(form->edit->Handle(), VK_ESCAPE);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PvxButtonInputTest, TwoQuickClicksGiveTwoClicks)
{
    Down(30, 30);
    Up(30, 30);
    Down(30, 30);  // within the double-click time: a double click
    Up(30, 30);
    EXPECT_EQ(clicks, 2);
}

TEST_F(PvxButtonInputTest, ModalResultGoesToTheForm)
{
    button->SetModalResult(mrOk);
    SendMessageA(Window(), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(form->ModalResult(), mrOk);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PvxButtonInputTest, PointerOverTheButtonMakesItHotUntilItLeaves)
{
    std::vector<std::string> events;
    button->OnMouseEnter = [&](TComponent*) { events.push_back("enter"); };
    button->OnMouseExit = [&](TComponent*) { events.push_back("exit"); };
    MoveTo(30, 30);
    MoveTo(40, 30);
    EXPECT_TRUE(button->MouseInside());
    GrabClient(Window());
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Hot);
    MouseInput(form->Handle(), {150, 120});
    EXPECT_FALSE(button->MouseInside());
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Normal);
    // The X server may echo a pointer move late, giving an extra pair; the
    // events still alternate, starting with an enter and ending with an exit.
    ASSERT_FALSE(events.empty());
    for (std::size_t i = 0; i < events.size(); ++i)
        EXPECT_EQ(events[i], i % 2 ? "exit" : "enter") << i;
    EXPECT_EQ(events.back(), "exit");
}

TEST_F(PvxButtonInputTest, EnterEventOnlyFromTheNormalStateExitOnEveryLeave)
{
    int enters = 0;
    int exits = 0;
    button->OnMouseEnter = [&](TComponent*) { ++enters; };
    button->OnMouseExit = [&](TComponent*) { ++exits; };
    button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(button->MouseInside());
    GrabClient(Window());
    ASSERT_EQ(button->DrawState(), TPvxDrawState::Hot);
    button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(enters, 1) << "drawn hot: no second enter event";
    button->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(button->DrawState(), TPvxDrawState::Normal) << "leaving resets the state";
    button->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(exits, 2) << "every leave";
    button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(enters, 2);
}

TEST_F(PvxButtonInputTest, LeavingHidesAnOpenHint)
{
    MoveTo(30, 30);
    Application->HintWindow()->ActivateHint({100, 100}, "Click to compare files");
    ASSERT_TRUE(Application->HintWindow()->IsShowing());
    button->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(Application->HintWindow()->IsShowing());
}

TEST_F(PvxButtonInputTest, HeldDownWithRepeatedClickItClicksOverAndOver)
{
    button->SetRepeatedClick(true);
    button->SetRepeatingDelay(30);
    button->SetRepeatingInterval(10);
    Down(30, 30);
    // The repeats come from a timer: let the loop run until three have come.
    DWORD deadline = GetTickCount() + 5000;
    while (clicks < 3 && GetTickCount() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
    EXPECT_GE(clicks, 3);
    int before = clicks;
    Up(30, 30);
    EXPECT_EQ(clicks, before + 1) << "the release is the ordinary click";
}

}  // namespace
