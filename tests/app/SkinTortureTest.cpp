// The program under hostile skins: for each skin the main window starts
// under it, a button is hovered and pressed, a pane scrolled, and the About
// box, the error box, the delete confirmation, the folder picker and the
// open-file dialog are opened and closed. The program must stay alive, every
// window must keep answering, and no GDI or USER object may be left behind.
// A fixed set of skins runs here; PVX_TORTURE_SKINS=N (scripts/skin-torture.sh)
// runs N more from PVX_TORTURE_FIRST_SEED on.

#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <chrono>
#include <cstdlib>

#include "app/About.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/engine/SkinTorture.h"
#include "skin/engine/sSkinManager.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr int kFixedSkins = 19;  // plus the skin without the control sections

bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

std::string Describe(const TortureSkin& skin)
{
    std::string text;
    for (const std::string& change : skin.changes)
        text += "\n  " + change;
    return text;
}

class SkinTortureTest : public testing::Test {
protected:
    void SetUp() override
    {
        ParkPointer();
        // The caches of the program and of the window system (fonts, glyphs,
        // the dialogs' first use) are made once, not leaked.
        Round(TortureSkin{}, false);
    }

    // Two rounds under the skin, the objects counted over the second: the
    // window system keeps what it makes for a first look (a control drawn
    // without a theme, a dialog shown without images) for good.
    void Rounds(const TortureSkin& skin)
    {
        Round(skin, false);
        if (!HasFatalFailure())
            Round(skin);
    }

    // The whole round under one skin (an empty package: the internal skin).
    void Round(const TortureSkin& skin, bool countObjects = true)
    {
        SCOPED_TRACE("skin changes:" + Describe(skin));
        int gdi = CountGdiObjects(), user = CountThreadWindows();
        CurrentPath1.clear();
        CurrentPath2.clear();
        CreateApplicationForms(*Application);
        form = Form1;
        if (!skin.package.empty()) {
            TsSkinManager* manager = form->sSkinManager1;
            manager->InternalSkins()[0].Data = skin.package;
            manager->SetSkinName(manager->SkinName());
        }
        form->Show();
        PumpMessages();
        ASSERT_TRUE(Answers(form->Handle()));
        HoverAndPress();
        ScrollPane();
        OpenAbout();
        OpenErrorBox();
        OpenDeleteConfirmation();
        OpenFolderPicker();
        OpenFileDialog();
        EXPECT_TRUE(Answers(form->Handle()));
        delete AboutBox;
        delete Form1;
        form = nullptr;
        PumpMessages();
        if (!countObjects)
            return;
        EXPECT_LE(CountGdiObjects(), gdi + 2) << "GDI objects left";
        EXPECT_LE(CountThreadWindows(), user) << "windows left";
    }

    void Click(TButton* button)
    {
        SendMessageA(button->Handle(), BM_CLICK, 0, 0);
        PumpMessages();
    }

    void HoverAndPress()
    {
        MovePointerTo(form->sBitBtn1->Handle(), {20, 10});
        PumpMessages();
        MouseInput(form->PvxButton2->Handle(), {30, 30}, MOUSEEVENTF_LEFTDOWN);
        MouseInput(form->PvxButton2->Handle(), {30, 30}, MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(Answers(form->sBitBtn1->Handle()));
        ParkPointer();
    }

    void ScrollPane()
    {
        std::string lines;
        for (int i = 0; i < 60; ++i)
            lines += "Line " + std::to_string(i) + std::string(std::size_t(i % 7) * 20, '-') + "\r\n";
        form->Memo1->SetText(lines);
        HWND pane = form->Memo1->Handle();
        SendMessageW(pane, WM_VSCROLL, SB_PAGEDOWN, 0);
        SendMessageW(pane, WM_HSCROLL, SB_PAGERIGHT, 0);
        RECT r{};
        GetWindowRect(pane, &r);
        // The bottom arrow of the vertical bar, skinned or not.
        ClickAtScreen({r.right - 6, r.bottom - GetSystemMetrics(SM_CYHSCROLL) - 6});
        PumpMessages();
        EXPECT_TRUE(Answers(pane));
    }

    void OpenAbout()
    {
        WhenVisible answer(AboutBox->Handle(), [&] {
            PumpMessages();
            EXPECT_TRUE(Answers(AboutBox->Handle()));
            PressKey(AboutBox->sBitBtn1->Handle(), VK_RETURN);
        });
        AboutBox->ShowModal();
        EXPECT_TRUE(answer.Done()) << "About";
    }

    void OpenErrorBox()
    {
        std::string locked = dir.WriteFile("locked.bin", "abc");
        HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
        HWND box = nullptr;
        ModalSteps run({[&] { return (box = FindVisibleDialog("File comparing utility")) != nullptr; },
                        [&] {
                            EXPECT_TRUE(Answers(box));
                            PressButton(box, "OK");
                            return true;
                        }});
        form->FileName1->SetText(locked);
        form->FileName2->SetText(locked);
        Click(form->PvxButton1);
        EXPECT_TRUE(run.Finished()) << "error box";
        CloseHandle(holder);
    }

    void Answer(const char* caption, const char* button, const std::function<void()>& open)
    {
        DialogAnswerer answer(caption, button);
        answer.Meanwhile([](HWND dialog) { EXPECT_TRUE(Answers(dialog)); });
        open();
        answer.Stop();
        EXPECT_TRUE(answer.Result().pressed) << caption;
    }

    void OpenDeleteConfirmation()
    {
        std::string file = dir.WriteFile("a.txt", "a");
        form->FileName1->SetText(file);
        Answer("Confirm file deletion", "No", [&] { Click(form->sBitBtn1); });
    }

    void OpenFolderPicker()
    {
        form->FileName1->SetText(dir.WriteFile("b.txt", "b"));
        Answer("Browse for Folder", "Cancel", [&] { Click(form->sBitBtn2); });
    }

    void OpenFileDialog()
    {
        Answer("Open", "Cancel", [&] { ShowOpenFileDialog(form->Handle(), dir.Path()); });
    }

    TempDir dir;
    TForm1* form = nullptr;
};

TEST_F(SkinTortureTest, TheInternalSkinLeavesNothingBehind)
{
    Rounds(TortureSkin{});
}

TEST_F(SkinTortureTest, TheSkinANewUserMetWithoutTheControlsSections)
{
    Rounds(SkinWithoutControlSections());
}

TEST_F(SkinTortureTest, AFixedSetOfDerivedSkins)
{
    for (uint32_t seed = 1; seed <= kFixedSkins; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Rounds(MakeTortureSkin(seed));
        if (HasFatalFailure())
            return;
    }
}

// Only with PVX_TORTURE_SKINS set (scripts/skin-torture.sh).
TEST_F(SkinTortureTest, ManyDerivedSkins)
{
    const char* count = std::getenv("PVX_TORTURE_SKINS");
    if (!count)
        GTEST_SKIP() << "PVX_TORTURE_SKINS not set";
    const char* first = std::getenv("PVX_TORTURE_FIRST_SEED");
    uint32_t from = first ? uint32_t(std::strtoul(first, nullptr, 10)) : 1000;
    uint32_t n = uint32_t(std::strtoul(count, nullptr, 10));
    auto start = std::chrono::steady_clock::now();
    for (uint32_t seed = from; seed < from + n; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Rounds(MakeTortureSkin(seed));
        if (HasFatalFailure())
            return;
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%u skins from seed %u in %.1f s\n", n, from, seconds);
}

}  // namespace
