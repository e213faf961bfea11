// The system's open-file dialog over the main window, on the program's
// thread with its skin hook: skinned, its file list scrolled with the skin's
// bars, and still returning what the user chose.

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/scroll/acScrollWnd.h"
#include "toolkit/SysUtils.h"

#include <commdlg.h>

namespace {

class OpenFileDialogTest : public MainWindowTest {
protected:
    // Opens the dialog in the test folder; the chosen path, or nothing after Cancel.
    bool Open(std::wstring& chosen)
    {
        wchar_t file[MAX_PATH] = {};
        std::copy(chosen.begin(), chosen.end(), file);
        std::wstring initial = FromSystemCodePage(dir.Path());
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = form->Handle();
        ofn.lpstrFile = file;
        ofn.nMaxFile = MAX_PATH;
        ofn.lpstrFilter = L"All files (*.*)\0*.*\0";
        ofn.lpstrInitialDir = initial.c_str();
        ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        bool ok = GetOpenFileNameW(&ofn);
        chosen = file;
        return ok;
    }

    std::function<bool()> Find()
    {
        return [this] { return (dialog = FindVisibleDialog("Open")) != nullptr; };
    }

    TempDir dir;
    HWND dialog = nullptr;
};

TEST_F(OpenFileDialogTest, TypingANameAndPressingOpenGivesTheFullPath)
{
    std::string wanted = dir.WriteFile("chosen.txt", "x");
    ModalSteps run({Find(),
                    [this] {
                        ExpectSkinnedDialog(dialog, {2, 2});
                        HWND edit = FindChildWindow(dialog, "Edit");
                        EXPECT_NE(edit, nullptr);
                        SetFocus(edit);
                        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"chosen.txt"));
                        return true;
                    },
                    [this] {
                        PressButton(dialog, "Open");
                        return true;
                    }});
    std::wstring chosen;
    EXPECT_TRUE(Open(chosen));
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(chosen, FromSystemCodePage(wanted));
}

TEST_F(OpenFileDialogTest, TheFileListScrollsWithTheSkinsBars)
{
    for (int i = 0; i < 150; ++i)
        dir.WriteFile("file" + std::to_string(1000 + i) + ".txt", "x");
    HWND list = nullptr;
    TacScrollWnd* bars = nullptr;
    int before = 0;
    ModalSteps run({Find(),
                    [&] {
                        list = FindChildWindow(dialog, "SysListView32");
                        bars = dynamic_cast<TacScrollWnd*>(TacMainWnd::FromWindow(list));
                        EXPECT_NE(bars, nullptr) << "the file list has the skin's bars";
                        if (!bars || !bars->BarVisible(kBarHorizontal))
                            return true;
                        before = GetScrollPos(list, SB_HORZ);
                        Rect bar = bars->BarRect(kBarHorizontal);
                        // The bar's right arrow, as a user clicks it.
                        ClickAtScreen({bar.right - bar.Height() / 2, bar.top + bar.Height() / 2});
                        return true;
                    },
                    [&] {
                        EXPECT_TRUE(bars && bars->BarVisible(kBarHorizontal)) << "150 files need a horizontal bar";
                        EXPECT_GT(GetScrollPos(list, SB_HORZ), before) << "the list scrolled";
                        PressButton(dialog, "Cancel");
                        return true;
                    }});
    std::wstring chosen;
    Open(chosen);
    EXPECT_TRUE(run.Finished());
}

TEST_F(OpenFileDialogTest, CancelReturnsNothingAndKeepsTheCallersText)
{
    dir.WriteFile("other.txt", "x");
    ModalSteps run({Find(), [this] {
                        PressButton(dialog, "Cancel");
                        return true;
                    }});
    std::wstring chosen = L"kept.txt";
    EXPECT_FALSE(Open(chosen));
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(chosen, L"kept.txt");
}

}  // namespace
