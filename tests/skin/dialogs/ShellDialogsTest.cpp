// The folder picker of the Move commands and the shell's delete
// confirmation, opened from the main window's buttons: skinned, and still
// answering what the user chose.

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/adapters/acMainWnd.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "toolkit/SysUtils.h"

namespace {

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ShellDialogsTest : public MainWindowTest {
protected:
    TempDir dir;
    HWND dialog = nullptr;

    std::function<bool()> Find(const char* caption)
    {
        return [this, caption] { return (dialog = FindVisibleDialog(caption)) != nullptr; };
    }
    std::function<bool()> Press(const char* button)
    {
        return [this, button] {
            PressButton(dialog, button);
            return true;
        };
    }
};

TEST_F(ShellDialogsTest, TheFolderPickerIsSkinnedAndChoosingAFolderMovesTheFileThere)
{
    std::string a = dir.WriteFile("moving.txt", "moving");
    std::string target = dir.MakeFolder("target");
    form->FileName1->SetText(a);
    form->Folder1->SetInitialDir(FromSystemCodePage(target));
    HWND tree = nullptr;
    ModalSteps run({Find("Browse for Folder"),
                    [&] {
                        ExpectSkinnedDialog(dialog, {2, 2});
                        tree = FindChildWindow(dialog, "SysTreeView32");
                        EXPECT_NE(TacMainWnd::FromWindow(tree), nullptr) << "the folder tree has its adapter";
                        EXPECT_NE(TacMainWnd::FromWindow(FindChildWindow(dialog, "Button", "OK")), nullptr);
                        return PickerSelection(dialog) == L"target";
                    },
                    Press("OK")});
    Click(form->sBitBtn2);
    EXPECT_TRUE(run.Finished());
    EXPECT_FALSE(Exists(a));
    EXPECT_TRUE(Exists(target + "\\moving.txt"));
}

TEST_F(ShellDialogsTest, CancellingTheSkinnedFolderPickerLeavesTheFile)
{
    std::string a = dir.WriteFile("stay.txt", "stay");
    form->FileName1->SetText(a);
    ModalSteps run({Find("Browse for Folder"), Press("Cancel")});
    Click(form->sBitBtn2);
    EXPECT_TRUE(run.Finished());
    EXPECT_TRUE(Exists(a));
    EXPECT_EQ(form->FileName1->Text(), a);
}

TEST_F(ShellDialogsTest, TheSkinnedDeleteConfirmationKeepsTheFileOnNoAndTrashesItOnYes)
{
    std::string a = dir.WriteFile("doomed.txt", "doomed");
    form->FileName1->SetText(a);
    ModalSteps declined({Find("Confirm"),
                         [this] {
                             ExpectSkinnedDialog(dialog, {2, 2});
                             HWND no = FindChildWindow(dialog, "Button", "No");
                             EXPECT_NE(TacMainWnd::FromWindow(no), nullptr) << "the buttons have their adapters";
                             return true;
                         },
                         Press("No")});
    Click(form->sBitBtn1);
    EXPECT_TRUE(declined.Finished());
    EXPECT_TRUE(Exists(a));
    EXPECT_EQ(form->FileName1->Text(), a);

    ModalSteps confirmed({Find("Confirm"), Press("Yes")});
    Click(form->sBitBtn1);
    EXPECT_TRUE(confirmed.Finished());
    EXPECT_FALSE(Exists(a));
    EXPECT_EQ(form->FileName1->Text(), "");
}

}  // namespace
