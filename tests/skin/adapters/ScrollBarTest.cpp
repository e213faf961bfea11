// The skinned scroll bars of a details pane holding a few hundred lines,
// driven by real mouse input: arrows, track, auto-repeat, thumb dragging,
// the clicks that do nothing, and the pictures the skin gives the bars.

#include "controls/PvxControlTestSupport.h"
#include "skin/adapters/PaneTestSupport.h"
#include "skin/layout/MulDiv.h"
#include "skin/scroll/acScrollTracking.h"
#include "support/WinTestHelpers.h"

namespace {

constexpr int kLines = 300;

class ScrollBarTest : public PaneTest {
protected:
    void SetUp() override
    {
        PaneTest::SetUp();
        Open(kLines);
        ASSERT_NE(Adapter(), nullptr);
    }
    // The lowest pixel of the down arrow's middle row.
    Point DownArrow() const { return VBarPoint(VBar().bottom - TacScrollWnd::DefaultArrow() / 2); }
    Point Elsewhere() const
    {
        RECT client{};
        GetClientRect(Pane(), &client);
        POINT p{client.right / 2, client.bottom / 2};
        ClientToScreen(Pane(), &p);
        return {int(p.x), int(p.y)};
    }
    SCROLLINFO PaneScrollInfo() const
    {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        GetScrollInfo(Pane(), SB_VERT, &si);
        return si;
    }
    // Moves the pointer off the held arrow and waits until the arrow shows
    // unpressed through two repeat ticks. Under Wine on X a motion event of
    // the pointer's earlier place can come in after the move (seen here as
    // a mouse move back on the arrow, then none): the move is made again then.
    bool MoveOffAndSettle(const MessageLog& log)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            MouseAt(Elsewhere());
            PumpUntil([] { return ScrollTracking().ShownPressedPart == kPartNone; });
            if (!RepeatTicks(log, 2))
                return false;
            POINT now{};
            GetCursorPos(&now);
            if (ScrollTracking().ShownPressedPart == kPartNone && Point{int(now.x), int(now.y)} == Elsewhere())
                return true;
        }
        return false;
    }
    // Waits until count repeat ticks have come, however long that takes.
    bool RepeatTicks(const MessageLog& log, int count)
    {
        int from = log.Count(WM_TIMER, kRepeatTimer);
        return PumpUntil([&] { return log.Count(WM_TIMER, kRepeatTimer) >= from + count; });
    }
};

}  // namespace

TEST_F(ScrollBarTest, AClickOnTheDownArrowScrollsOneLine)
{
    ASSERT_EQ(FirstLine(), 0);
    MouseAt(DownArrow(), MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(FirstLine(), 1);
    EXPECT_EQ(GetCapture(), Pane()) << "the press holds the mouse";
    MouseAt(DownArrow(), MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(FirstLine(), 1);
    EXPECT_NE(GetCapture(), Pane());
}

TEST_F(ScrollBarTest, HoldingTheArrowRepeatsAndMovingOffItPauses)
{
    MessageLog log(form->pane);
    MouseAt(DownArrow(), MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return FirstLine() >= 4; })) << "more lines than a click";
    ASSERT_TRUE(MoveOffAndSettle(log));
    int paused = FirstLine();
    ASSERT_TRUE(RepeatTicks(log, 4));
    EXPECT_EQ(FirstLine(), paused) << "no scrolling while the pointer is off the arrow";
    MouseAt(DownArrow());
    EXPECT_TRUE(PumpUntil([&] { return FirstLine() > paused + 1; })) << "repeats again back on it";
    MouseAt(DownArrow(), MOUSEEVENTF_LEFTUP);
    int released = FirstLine();
    int ticks = log.Count(WM_TIMER, kRepeatTimer);
    // Hovering again starts the 20 ms hover timer: six of its ticks outlast two repeat intervals.
    MouseAt(Elsewhere());
    MouseAt(DownArrow());
    int from = log.Count(WM_TIMER, kHoverTimer);
    ASSERT_TRUE(PumpUntil([&] { return log.Count(WM_TIMER, kHoverTimer) >= from + 6; }));
    EXPECT_EQ(FirstLine(), released) << "nothing repeats after the release";
    EXPECT_EQ(log.Count(WM_TIMER, kRepeatTimer), ticks) << "the repeat timer is gone";
    std::vector<int> codes = log.VScrollCodes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
}

TEST_F(ScrollBarTest, LosingTheMouseWhileHoldingAnArrowEndsThePress)
{
    MessageLog log(form->pane);
    MouseAt(DownArrow(), MOUSEEVENTF_LEFTDOWN);
    ASSERT_EQ(GetCapture(), Pane());
    SetCapture(form->Handle());  // another window takes the mouse, as a menu or a dialog would
    EXPECT_EQ(ScrollTracking().PressedPart, kPartNone);
    ASSERT_FALSE(log.VScrollCodes().empty());
    EXPECT_EQ(log.VScrollCodes().back(), SB_ENDSCROLL);
    int stopped = FirstLine();
    // Twenty hover ticks (20 ms each) outlast the first repeat delay.
    int from = log.Count(WM_TIMER, kHoverTimer);
    ASSERT_TRUE(PumpUntil([&] { return log.Count(WM_TIMER, kHoverTimer) >= from + 20; }));
    EXPECT_EQ(log.Count(WM_TIMER, kFirstRepeatTimer) + log.Count(WM_TIMER, kRepeatTimer), 0) << "no repeat timer left";
    EXPECT_EQ(FirstLine(), stopped);
    ReleaseCapture();
    MouseAt(DownArrow(), MOUSEEVENTF_LEFTUP);
}

TEST_F(ScrollBarTest, AClickInTheTrackPages)
{
    TsThumb thumb = VThumb();
    Point below = VBarPoint(thumb.Start + thumb.Length + 10);
    MouseAt(below, MOUSEEVENTF_LEFTDOWN);
    int paged = FirstLine();
    MouseAt(below, MOUSEEVENTF_LEFTUP);
    SCROLLINFO si = PaneScrollInfo();
    EXPECT_GT(paged, 1) << "a page, not a line";
    EXPECT_LE(paged, int(si.nPage));
}

TEST_F(ScrollBarTest, HoldingTheTrackPagesUntilTheThumbIsUnderThePointer)
{
    MessageLog log(form->pane);
    Rect bar = VBar();
    Point target = VBarPoint(bar.top + bar.Height() * 3 / 4);
    MouseAt(target, MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] {
        TsThumb t = VThumb();
        return target.y >= t.Start && target.y < t.Start + t.Length;
    })) << "the thumb reaches the pointer";
    int stopped = FirstLine();
    ASSERT_TRUE(RepeatTicks(log, 4));
    EXPECT_EQ(FirstLine(), stopped) << "no paging past the pointer";
    MouseAt(target, MOUSEEVENTF_LEFTUP);
    EXPECT_GT(stopped, 100);
}

TEST_F(ScrollBarTest, DraggingTheThumbToTheMiddleShowsTheMiddleLines)
{
    MessageLog log(form->pane);
    TsThumb thumb = VThumb();
    Point grab = VBarPoint(thumb.Start + thumb.Length / 2);
    MouseAt(grab, MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(Adapter()->Dragging);
    Rect bar = VBar();
    Point middle = VBarPoint((bar.top + bar.bottom) / 2);
    MouseAt({middle.x, (grab.y + middle.y) / 2});
    MouseAt(middle);
    MouseAt(middle, MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(Adapter()->Dragging);
    SCROLLINFO si = PaneScrollInfo();
    int scrollable = si.nMax - int(si.nPage) + 1;
    EXPECT_NEAR(FirstLine(), scrollable / 2, scrollable / 20) << "the middle lines are in view";
    std::vector<int> codes = log.VScrollCodes();
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[0], SB_THUMBTRACK);
    EXPECT_EQ(codes[codes.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    std::vector<WPARAM> last;
    for (const auto& e : log.entries)
        if (e.msg == WM_VSCROLL)
            last.push_back(e.wParam);
    EXPECT_EQ(HIWORD(last[last.size() - 2]), HIWORD(last.back())) << "both with the last position";
    EXPECT_EQ(int(HIWORD(last.back())), FirstLine());
}

TEST_F(ScrollBarTest, RightAndMiddleClicksOnABarDoNothing)
{
    MessageLog log(form->pane);
    for (DWORD down : {DWORD(MOUSEEVENTF_RIGHTDOWN), DWORD(MOUSEEVENTF_MIDDLEDOWN)}) {
        MouseAt(DownArrow(), down);
        MouseAt(DownArrow(), down << 1);  // the matching button-up flag
    }
    EXPECT_EQ(FirstLine(), 0);
    EXPECT_TRUE(log.VScrollCodes().empty());
    HWND menu = FindWindowA("#32768", nullptr);
    EXPECT_FALSE(menu && IsWindowVisible(menu)) << "no context menu";
}

TEST_F(ScrollBarTest, TheBarsArePaintedFromTheSkinAndTheHoveredArrowIsHot)
{
    Image24 normal = ExpectedBar(kBarVertical, {});
    EXPECT_TRUE(SamePixels(ShownBar(kBarVertical), normal));
    EXPECT_TRUE(SamePixels(ShownBar(kBarHorizontal), ExpectedBar(kBarHorizontal, {})));
    Image24 hot = ExpectedBar(kBarVertical, BarStatesOf(kPartSecondArrow, kPartNone));
    ASSERT_FALSE(SamePixels(hot, normal));
    MouseAt(DownArrow());
    EXPECT_TRUE(PumpUntil([&] { return SamePixels(ShownBar(kBarVertical), hot); })) << "the arrow under the pointer";
    SavePicture(GrabWindowAsIs(form->Handle()), "pane.bmp");
    MouseAt(Elsewhere());
    EXPECT_TRUE(PumpUntil([&] { return SamePixels(ShownBar(kBarVertical), normal); })) << "and normal once it left";
}

TEST_F(ScrollBarTest, ScrollingKeepsTheSkinsBarsOnTheScreen)
{
    MouseAt(DownArrow(), MOUSEEVENTF_LEFTDOWN);
    MouseAt(DownArrow(), MOUSEEVENTF_LEFTUP);
    PressKey(Pane(), VK_NEXT);
    UpdateWindow(Pane());
    TsBarStates afterRelease = BarStatesOf(kPartSecondArrow, kPartNone);  // the pointer is still over the arrow
    Image24 shown = ShownBar(kBarVertical);
    EXPECT_TRUE(SamePixels(shown, ExpectedBar(kBarVertical, afterRelease)) ||
                SamePixels(shown, ExpectedBar(kBarVertical, {})));
}

TEST(ScrollBarPlatform, MulDivIsThePlatformsOwn)
{
    const int values[] = {0, 1, -1, 2, 3, -7, 10, 99, 255, -1000, 65535, 1 << 20, 2147483647, -2147483647 - 1};
    for (int a : values)
        for (int b : values)
            for (int c : values)
                ASSERT_EQ(PlatformMulDiv(a, b, c), MulDiv(a, b, c)) << a << " " << b << " " << c;
}

class EmptyPaneTest : public PaneTest {
protected:
    void SetUp() override
    {
        PaneTest::SetUp();
        Open(2);
    }
};

TEST_F(EmptyPaneTest, ABarWithNothingToScrollCannotBePressed)
{
    MessageLog log(form->pane);
    Rect bar = VBar();
    Point middle = VBarPoint((bar.top + bar.bottom) / 2);
    EXPECT_EQ(SendMessageA(Pane(), WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)), HTNOWHERE);
    MouseAt(middle, MOUSEEVENTF_LEFTDOWN);
    EXPECT_NE(GetCapture(), Pane());
    MouseAt(middle, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(log.VScrollCodes().empty());
    EXPECT_EQ(FirstLine(), 0);
}
