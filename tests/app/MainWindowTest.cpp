#include "app/MainWindowFixture.h"

#include <cstring>

namespace {

struct Expected {
    const char* name;
    Rect bounds;
    const char* text;
};

// The slot captions size themselves to their text, 2 pixels more each way:
// 31 x 15 with the Tahoma of Windows, whatever the installed font gives here.
Rect SlotCaptionBounds(TControl* label, int left, int top, const char* text)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, label->Font().Handle());
    SIZE size{};
    GetTextExtentPoint32A(screen, text, int(strlen(text)), &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return Rect::FromSize(left, top, int(size.cx) + 2, int(size.cy) + 2);
}

TEST_F(MainWindowTest, WindowSettingsAndControlPlacement)
{
    EXPECT_EQ(WindowText(form->Handle()), "Parivex 1.1");
    EXPECT_EQ(form->ClientWidth(), 483);
    EXPECT_EQ(form->ClientHeight(), 557);
    LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    // The skinned frame draws its own caption buttons and menu; the system's
    // menu style comes back when the skin goes.
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_TRUE(form->sSkinProvider1->HadSystemMenu());
    EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(Application->Title(), "File comparing utility");
    EXPECT_EQ(WindowText(Application->Handle()), "");

    const Expected controls[] = {
        {"PvxLabel1", SlotCaptionBounds(form->PvxLabel1, 8, 8, "File 1:"), "File 1:"},
        {"FileName1", Rect::FromSize(8, 24, 467, 21), ""},
        {"sBitBtn2", Rect::FromSize(271, 48, 99, 25), "Move File 1"},
        {"sBitBtn1", Rect::FromSize(376, 48, 99, 25), "Delete File 1"},
        {"PvxLabel2", SlotCaptionBounds(form->PvxLabel2, 8, 64, "File 2:"), "File 2:"},
        {"FileName2", Rect::FromSize(8, 80, 467, 21), ""},
        {"sBitBtn4", Rect::FromSize(271, 104, 99, 25), "Move File 2"},
        {"sBitBtn3", Rect::FromSize(376, 104, 99, 25), "Delete File 2"},
        {"PvxButton1", Rect::FromSize(8, 140, 75, 57), "Compare"},
        {"PvxButton2", Rect::FromSize(89, 140, 75, 57), "Clear Fields"},
        {"PvxButton3", Rect::FromSize(319, 140, 75, 57), "About..."},
        {"PvxButton4", Rect::FromSize(400, 140, 75, 57), "Close"},
        {"Label1", Rect::FromSize(8, 204, 467, 15), "Select files to compare and click compare to check"},
        {"Memo1", Rect::FromSize(8, 238, 467, 140), ""},
        {"Memo2", Rect::FromSize(8, 404, 467, 140), ""},
    };
    for (const Expected& e : controls) {
        auto* control = dynamic_cast<TControl*>(form->FindComponent(e.name));
        ASSERT_NE(control, nullptr) << e.name;
        EXPECT_EQ(control->BoundsRect(), e.bounds) << e.name;
        EXPECT_EQ(control->Caption(), e.text) << e.name;
    }
    EXPECT_EQ(form->Label2->Caption(), "File 1 Details:");
    EXPECT_EQ(form->Label3->Caption(), "File 2 Details:");
    EXPECT_EQ(form->Label2->Left(), 8);
    EXPECT_EQ(form->Label3->Top(), 390);
    EXPECT_TRUE(form->Label1->Font().Style() & fsBold);
    EXPECT_EQ(form->Label1->Alignment(), TPvxAlignment::agCenter);
    EXPECT_FALSE(form->Label1->AutoSize());
}

TEST_F(MainWindowTest, HintsShowOnHoverWhereSet)
{
    EXPECT_EQ(form->PvxButton1->Hint(), "Click to compare files");
    EXPECT_EQ(form->PvxButton2->Hint(), "Clear all fields");
    EXPECT_EQ(form->PvxButton3->Hint(), "About Parivex");
    EXPECT_EQ(form->PvxButton4->Hint(), "Exit Parivex");
    EXPECT_EQ(form->FileName1->Hint(), "Browse and select the first file to compare");
    EXPECT_EQ(form->FileName2->Hint(), "Browse and select the second file to compare");
    for (TControl* c : {static_cast<TControl*>(form->PvxButton1), static_cast<TControl*>(form->FileName2)})
        EXPECT_TRUE(c->EffectiveShowHint()) << c->Name();
    EXPECT_FALSE(form->Memo1->EffectiveShowHint());
}

TEST_F(MainWindowTest, FileNameEditsTakeAtMost255TypedCharacters)
{
    HWND edit = form->FileName1->Handle();
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 255);
    for (int i = 0; i < 300; ++i)
        SendMessageA(edit, WM_CHAR, 'a', 1);
    EXPECT_EQ(form->FileName1->Text().size(), 255u);
    EXPECT_EQ(form->FileName1->Font().Color(), 4276545);
}

TEST_F(MainWindowTest, FileNameEditsAreSkinnedWithTheirBrowseButtons)
{
    for (TsFilenameEdit* edit : {form->FileName1, form->FileName2}) {
        EXPECT_TRUE(edit->SkinData().IsSkinned()) << edit->Name();
        EXPECT_EQ(edit->Color(), clWhite);
        EXPECT_EQ(edit->DialogOptions(), unsigned(ofEnableSizing));
        EXPECT_FALSE(edit->GlyphMode().Grayed());
        Rect client = edit->ClientRect();
        EXPECT_EQ(edit->Button().BoundsRect(), (Rect{client.right - 22, 0, client.right, client.bottom}));
        EXPECT_LE(edit->TextArea().right, client.right - 22) << "the text stops beside the button";
    }
}

TEST_F(MainWindowTest, FocusStartsInFirstEditAndTabFollowsTheTabOrder)
{
    EXPECT_EQ(GetFocus(), form->FileName1->Handle());
    PressKey(form->FileName1->Handle(), VK_TAB);
    EXPECT_EQ(GetFocus(), form->FileName2->Handle());
    PressKey(form->FileName2->Handle(), VK_TAB);
    EXPECT_EQ(GetFocus(), form->Memo1->Handle());
    form->Memo2->SetFocus();
    PressKey(form->Memo2->Handle(), VK_TAB);
    EXPECT_EQ(GetFocus(), form->PvxButton3->Handle());
    PressKey(form->PvxButton3->Handle(), VK_TAB, true);
    EXPECT_EQ(GetFocus(), form->Memo2->Handle());

    std::vector<std::string> order;
    for (TWinControl* c : form->TabOrderList())
        order.push_back(c->Name());
    std::vector<std::string> expected = {"PvxButton1", "PvxButton2", "FileName1", "FileName2",
                                         "Memo1",      "Memo2",      "PvxButton3", "PvxButton4",
                                         "sBitBtn1",   "sBitBtn2",   "sBitBtn3",   "sBitBtn4"};
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, ClearFieldsOnAFreshWindowChangesNothingVisible)
{
    Click(form->PvxButton2);
    EXPECT_EQ(form->FileName1->Text(), "");
    EXPECT_EQ(form->FileName2->Text(), "");
    EXPECT_EQ(form->Memo1->Text(), "");
    EXPECT_EQ(Status(), StartPrompt);
}

TEST_F(MainWindowTest, ClearFieldsEmptiesEditsAndPanesButKeepsCurrentPaths)
{
    TempDir dir;
    std::string a = dir.WriteFile("a.txt", "same");
    std::string b = dir.WriteFile("b.txt", "same");
    form->FileName1->SetText(a);
    form->FileName2->SetText(b);
    Click(form->PvxButton1);
    form->Memo1->Lines().Add("a line");
    Click(form->PvxButton2);
    EXPECT_EQ(form->FileName1->Text(), "");
    EXPECT_EQ(form->FileName2->Text(), "");
    EXPECT_EQ(form->Memo1->Lines().Count(), 0);
    EXPECT_EQ(Status(), StartPrompt);
    EXPECT_EQ(CurrentPath1, a);
    EXPECT_EQ(CurrentPath2, b);
}

TEST_F(MainWindowTest, AboutShowsTheSameModalBoxEachTimeAndEnterClosesIt)
{
    TAboutBox* first = AboutBox;
    for (int round = 0; round < 2; ++round) {
        bool sawBox = false;
        bool mainDisabled = false;
        WhenVisible watch(AboutBox->Handle(), [&] {
            sawBox = AboutBox == first && IsWindowVisible(first->Handle());
            mainDisabled = !IsWindowEnabled(form->Handle());
            PressKey(GetFocus(), VK_RETURN);
        });
        Click(form->PvxButton3);
        EXPECT_TRUE(watch.Done());
        EXPECT_TRUE(sawBox) << "round " << round;
        EXPECT_TRUE(mainDisabled) << "the main window is inert while the box is open";
        EXPECT_FALSE(IsWindowVisible(first->Handle()));
        EXPECT_TRUE(IsWindowEnabled(form->Handle()));
        EXPECT_EQ(first->ModalResult(), mrOk);
    }
    EXPECT_EQ(WindowText(first->Handle()), "Parivex 1.1");
    EXPECT_EQ(first->ClientWidth(), 298);
    EXPECT_EQ(first->ClientHeight(), 253);
}

TEST_F(MainWindowTest, DropTargetIsRegistered)
{
    EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(MainWindowTest, CloseEndsTheProgramLoop)
{
    Click(form->PvxButton4);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    Application->ResetTerminated();
}

}  // namespace
