// The error message box, opened as a user meets it: Compare on a file that
// another program holds locked.

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/adapters/acMainWnd.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/dialogs/acBtnWnd.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/RunTimeProviders.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Bitmap.h"
#include "core/Exceptions.h"

namespace {

constexpr const char* Caption = "File comparing utility";

class ErrorBoxTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        locked = dir.WriteFile("locked.bin", "abc");
        holder = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    }

    void TearDown() override
    {
        CloseHandle(holder);
        MainWindowTest::TearDown();
    }

    // Opens the error box; steps run inside its modal loop (the first once it is visible).
    void OpenErrorBox(std::vector<std::function<bool()>> steps)
    {
        steps.insert(steps.begin(), [this] { return (box = FindVisibleDialog(Caption)) != nullptr; });
        ModalSteps run(std::move(steps));
        Compare(locked, locked);
        // A step after the box closed runs at a later tick of the steps' timer.
        PumpUntil([&] { return run.Finished(); }, 2000);
        EXPECT_TRUE(run.Finished()) << "stopped before step " << run.StepsDone();
    }

    bool CloseBox()
    {
        PressButton(box, "OK");
        return true;
    }

    // A point of the caption band in screen coordinates, x pixels from the window's left.
    POINT CaptionPoint(int x) const
    {
        int frame = GetSystemMetrics(SM_CYDLGFRAME);
        return ScreenPoint(box, x, frame + GetSystemMetrics(SM_CYCAPTION) / 2);
    }

    HWND TextStatic() const
    {
        for (HWND c = GetTopWindow(box); c; c = GetWindow(c, GW_HWNDNEXT))
            if (!WindowText(c).empty() && FindChildWindow(box, "Static", WindowText(c)) == c)
                return c;
        return nullptr;
    }

    LRESULT HitCode(POINT p) const { return SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)); }

    TempDir dir;
    std::string locked;
    HANDLE holder = INVALID_HANDLE_VALUE;
    HWND box = nullptr;
};

TEST_F(ErrorBoxTest, WearsTheSkinsFrameShapeCaptionAndBackground)
{
    OpenErrorBox({[this] {
                      ExpectSkinnedDialog(box, {2, 2});
                      return true;
                  },
                  [this] { return CloseBox(); }});
}

TEST_F(ErrorBoxTest, TextIsDrawnLeftAlignedInTheSkinsTextColourOverTheSkinnedBackground)
{
    OpenErrorBox({[this] {
                      HWND text = FindChildWindow(box, "Static", WindowText(TextStatic()));
                      EXPECT_NE(TacMainWnd::FromWindow(text), nullptr) << "the text has its adapter";
                      Image24 picture = GrabWindowAsIs(text);
                      Rgb24 background = SkinSectionColour("DIALOG");
                      Rect all = picture.View().Bounds();
                      Rect ink = BoundsOfAllBut(picture, background, all);
                      EXPECT_FALSE(ink.IsEmpty()) << "no text drawn";
                      EXPECT_LE(ink.left, 2) << "the text starts at the left edge";
                      EXPECT_EQ(picture.View().At(all.right - 1, all.bottom - 1), background);
                      TsSectionRef checkBox = TsSectionRef::Resolve(&DefaultManager()->Model(), "CHECKBOX");
                      EXPECT_GT(CountOf(picture, SkinRgb(checkBox.Data().FontColor[0]), all), 20)
                          << "the text is in the skin's font colour";
                      return true;
                  },
                  [this] { return CloseBox(); }});
}

TEST_F(ErrorBoxTest, TheDefaultButtonShowsTheHotLookAndAClickInItsMiddleClosesTheBox)
{
    bool survivedClick = false;
    OpenErrorBox({[this] {
                      HWND ok = FindChildWindow(box, "Button", "OK");
                      auto* adapter = dynamic_cast<TacBtnWnd*>(TacMainWnd::FromWindow(ok));
                      EXPECT_NE(adapter, nullptr);
                      if (!adapter)
                          return CloseBox();
                      SetFocus(box);  // neither focus nor mouse: the default style alone
                      ParkPointer();
                      EXPECT_EQ(adapter->PaintState(), 1);
                      RedrawWindow(ok, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                      Image24 shown = GrabWindowAsIs(ok);
                      Size size{shown.View().Width(), shown.View().Height()};
                      TsSectionRef button = TsSectionRef::Resolve(&DefaultManager()->Model(), "BUTTON");
                      TBitmap hot, normal;
                      for (auto [bitmap, state] : {std::pair{&hot, 1}, std::pair{&normal, 0}}) {
                          bitmap->SetSize(size.width, size.height);
                          PaintControlItem(TsPaintTarget(bitmap->Pixels24(), BgFromColor(0)), button,
                                           {0, 0, size.width, size.height}, state, {});
                      }
                      int x = size.width / 2;
                      EXPECT_EQ(shown.View().At(x, 1), hot.Pixels24().At(x, 1)) << "the hot border";
                      EXPECT_NE(hot.Pixels24().At(x, 1), normal.Pixels24().At(x, 1));
                      RECT r{};
                      GetWindowRect(ok, &r);
                      ClickAtScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                      return true;
                  },
                  [&] {
                      // Only reached when the click left the box open.
                      survivedClick = FindVisibleDialog(Caption) != nullptr;
                      return !survivedClick || CloseBox();
                  }});
    EXPECT_FALSE(survivedClick);
    EXPECT_EQ(FindVisibleDialog(Caption), nullptr);
}

TEST_F(ErrorBoxTest, DoubleClickOnTheCaptionDoesNothingOnTheIconAreaItCloses)
{
    bool openAfterCaptionClick = false;
    OpenErrorBox({[this] {
                      POINT caption = CaptionPoint(100);
                      EXPECT_EQ(HitCode(caption), HTCAPTION);
                      SendMessageW(box, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
                      return true;
                  },
                  [&] {
                      openAfterCaptionClick = IsWindowVisible(box) && !IsZoomed(box);
                      POINT icon = CaptionPoint(GetSystemMetrics(SM_CXDLGFRAME));
                      EXPECT_EQ(HitCode(icon), HTSYSMENU);
                      PostMessageW(box, WM_NCLBUTTONDBLCLK, HTSYSMENU, MAKELPARAM(icon.x, icon.y));
                      return true;
                  }});
    EXPECT_TRUE(openAfterCaptionClick);
    EXPECT_EQ(FindVisibleDialog(Caption), nullptr) << "the double click on the icon area closed the box";
}

TEST_F(ErrorBoxTest, RightClickOnTheCaptionOpensTheSkinsSystemMenuWithMoveAndClose)
{
    std::vector<std::string> items;
    OpenErrorBox({[this] {
                      POINT caption = CaptionPoint(100);
                      PostMessageW(box, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(caption.x, caption.y));
                      PostMessageW(box, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(caption.x, caption.y));
                      return true;
                  },
                  [&] {
                      HWND menu = FindOpenMenu();
                      if (!menu)
                          return false;
                      items = MenuItemTexts(menu);
                      EndMenu();
                      return true;
                  },
                  [this] { return CloseBox(); }});
    // The skin's own menu: the window system's would offer Restore, Size, Minimize and Maximize too.
    EXPECT_EQ(items, (std::vector<std::string>{"Move", "", "Close\tAlt+F4"}));
}

TEST_F(ErrorBoxTest, AnswersTheDialogColourRequestWithOneBrushOfTheSkinsColour)
{
    OpenErrorBox({[this] {
                      HDC dc = GetDC(box);
                      auto ask = [&] {
                          return reinterpret_cast<HBRUSH>(
                              SendMessageW(box, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), LPARAM(box)));
                      };
                      HBRUSH first = ask();
                      int objects = CountGdiObjects();
                      for (int i = 0; i < 20; ++i)
                          EXPECT_EQ(ask(), first) << "a brush for every request";
                      EXPECT_EQ(CountGdiObjects(), objects);
                      LOGBRUSH brush{};
                      GetObjectW(first, sizeof brush, &brush);
                      EXPECT_EQ(brush.lbColor, COLORREF(DefaultManager()->Model().GetGlobalColor()));
                      ReleaseDC(box, dc);
                      return true;
                  },
                  [this] { return CloseBox(); }});
}

TEST_F(ErrorBoxTest, TheBoxStillReturnsOkAndItsProviderGoesWithIt)
{
    int before = RunTimeProviderCount();
    OpenErrorBox({[&] {
                      EXPECT_EQ(RunTimeProviderCount(), before + 1);
                      return true;
                  },
                  [this] { return CloseBox(); }});
    EXPECT_EQ(RunTimeProviderCount(), before) << "the box's provider is freed with it";
}

// Visible error boxes of the thread.
int CountErrorBoxes()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM counter) -> BOOL {
            char name[16] = {};
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) == "#32770" && IsWindowVisible(window) && WindowText(window) == Caption)
                ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(ErrorBoxTest, AnErrorRaisedAtEveryPaintWhileTheBoxIsUpOpensNoSecondBox)
{
    int failures = 0, boxes = 0;
    TChainLink failing;
    OpenErrorBox({[&] {
                      // A paint that keeps failing, as when GDI objects run out.
                      failing = form->MessageChain().Push(TLinkRole::tlForeign, &failures, [&](TMessage& m) {
                          if (m.Msg == WM_PAINT) {
                              ValidateRect(form->Handle(), nullptr);
                              ++failures;
                              throw Exception("Out of system resources");
                          }
                          failing.CallBelow(m);
                      });
                      for (int i = 0; i < 5; ++i)
                          RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                      boxes = CountErrorBoxes();
                      failing.Remove();
                      return true;
                  },
                  [this] { return CloseBox(); }});
    EXPECT_EQ(failures, 5);
    EXPECT_EQ(boxes, 1) << "no box opened inside the box";
    EXPECT_EQ(CountErrorBoxes(), 0);
}

TEST_F(ErrorBoxTest, RemovingTheSkinWhileTheBoxIsOpenGivesItsSystemMenuShapeAndColoursBack)
{
    bool menuWhileSkinned = true, menuBack = false, regionGone = false, adaptersGone = false;
    HBRUSH skinned = nullptr, plain = nullptr;
    OpenErrorBox({[&] {
                      HDC dc = GetDC(box);
                      auto brush = [&] {
                          return reinterpret_cast<HBRUSH>(
                              SendMessageW(box, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), LPARAM(box)));
                      };
                      menuWhileSkinned = GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU;
                      skinned = brush();
                      DefaultManager()->SetActive(false);
                      menuBack = GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU;
                      HRGN region = CreateRectRgn(0, 0, 0, 0);
                      regionGone = GetWindowRgn(box, region) == ERROR;
                      DeleteObject(region);
                      adaptersGone = !TacMainWnd::FromWindow(box) &&
                                     !TacMainWnd::FromWindow(FindChildWindow(box, "Button", "OK"));
                      plain = brush();
                      ReleaseDC(box, dc);
                      return true;
                  },
                  [this] {
                      DefaultManager()->SetActive(true);
                      return CloseBox();
                  }});
    EXPECT_FALSE(menuWhileSkinned);
    EXPECT_TRUE(menuBack) << "the system menu is back";
    EXPECT_TRUE(regionGone) << "the skin's shape is gone";
    EXPECT_TRUE(adaptersGone);
    EXPECT_NE(plain, skinned) << "the dialog answers its colour itself again";
}

}  // namespace
