#include <gtest/gtest.h>

#include <cstring>

#include "core/Exceptions.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/Edits.h"
#include "toolkit/FormData.h"
#include "toolkit/Labels.h"

namespace {

class TestForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TTestForm"; }
    TLabel* label = nullptr;
    TButton* button = nullptr;
    TEdit* edit = nullptr;

protected:
    void ReadFormData() override
    {
        SetClientSize(200, 100);
        SetColor(clWhite);
        label = CreateControl<TLabel>(this, this, "label", 10, 10, 50, 20);
        label->SetCaption("Hi");
        label->SetAutoSize(false);
        label->SetColor(0x0000FF);
        label->SetParentColor(false);
        button = CreateControl<TButton>(this, this, "button", 100, 10, 75, 25);
        button->SetCaption("Go");
        edit = CreateControl<TEdit>(this, this, "edit", 10, 50, 100, 21);
    }
};

class ControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = Application->CreateForm<TestForm>();
        form->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        delete form;
        PumpMessages();
    }
    COLORREF PixelAt(int x, int y)
    {
        UpdateWindow(form->Handle());
        HDC dc = GetDC(form->Handle());
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(form->Handle(), dc);
        return c;
    }
    TestForm* form = nullptr;
};

TEST_F(ControlsTest, ClassNamesAreTheToolkitNames)
{
    EXPECT_STREQ(form->label->ClassName(), "TLabel");
    EXPECT_STREQ(form->button->ClassName(), "TButton");
    EXPECT_STREQ(form->edit->ClassName(), "TEdit");
    char name[64] = {};
    GetClassNameA(form->edit->Handle(), name, sizeof name);
    EXPECT_STREQ(name, "TEdit");
    GetClassNameA(form->Handle(), name, sizeof name);
    EXPECT_STREQ(name, "TTestForm");
}

TEST_F(ControlsTest, ParentPaintsWindowlessChildInItsBounds)
{
    EXPECT_EQ(PixelAt(11, 28), RGB(255, 0, 0)) << "inside the label: its colour";
    EXPECT_EQ(PixelAt(5, 5), RGB(255, 255, 255)) << "outside: the form's colour";
    EXPECT_EQ(PixelAt(61, 15), RGB(255, 255, 255)) << "just right of the label";
}

TEST_F(ControlsTest, AnOpaqueLabelRepaintsItsWholeRectangleAfterACaptionChange)
{
    form->label->SetColor(clWhite);
    form->label->Font().SetColor(clBlack);
    form->label->SetCaption("WWWWWWWW");
    int inkBefore = 0;
    for (int x = 10; x < 60; ++x)
        inkBefore += PixelAt(x, 16) == RGB(0, 0, 0);
    ASSERT_GT(inkBefore, 0) << "the text was drawn";
    form->label->SetCaption("");
    for (int x = 10; x < 60; ++x)
        EXPECT_EQ(PixelAt(x, 16), RGB(255, 255, 255)) << "x " << x << ": the old text was not cleared";
}

TEST_F(ControlsTest, ReplacedWindowProcSeesMessagesAndCanPassThemOn)
{
    int seen = 0;
    TChainLink link;
    link = form->label->MessageChain().Push(TLinkRole::tlForeign, &seen, [&](TMessage& m) {
        if (m.Msg == WM_PAINT)
            ++seen;
        link.CallBelow(m);
    });
    form->label->Invalidate();
    EXPECT_EQ(PixelAt(11, 28), RGB(255, 0, 0));
    EXPECT_GE(seen, 1);
}

TEST_F(ControlsTest, MouseEnterAndLeaveReachWindowlessControls)
{
    std::vector<std::string> events;
    form->label->OnMouseEnter = [&](TComponent*) { events.push_back("enter"); };
    form->label->OnMouseLeave = [&](TComponent*) { events.push_back("leave"); };
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 20));
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(ControlsTest, ClickOnWindowlessControlNeedsPressAndReleaseInside)
{
    int clicks = 0;
    form->label->OnClick = [&](TComponent*) { ++clicks; };
    SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(clicks, 1);
    SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 80));
    SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 80));
    EXPECT_EQ(clicks, 1) << "released outside: no click";
}

TEST_F(ControlsTest, ButtonClickArrivesThroughTheReflectedCommand)
{
    int clicks = 0;
    form->button->OnClick = [&](TComponent*) { ++clicks; };
    SendMessageA(form->button->Handle(), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, AnErrorInAHandlerShowsTheErrorBoxAndTheProgramGoesOn)
{
    form->button->OnClick = [](TComponent*) { throw Exception("Something failed"); };
    DialogAnswerer answer("File comparing utility", "OK");
    SendMessageA(form->button->Handle(), BM_CLICK, 0, 0);
    PumpMessages();
    answer.Stop();
    ASSERT_TRUE(answer.Result().seen);
    EXPECT_EQ(answer.Result().texts, std::vector<std::string>{"Something failed."});
    EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(ControlsTest, TextSurvivesTheWindowAndDefaultButtonTakesEnter)
{
    form->edit->SetText("typed");
    EXPECT_EQ(WindowText(form->edit->Handle()), "typed");
    int clicks = 0;
    form->button->OnClick = [&](TComponent*) { ++clicks; };
    form->button->SetDefault(true);
    form->edit->SetFocus();
    PressKey(form->edit->Handle(), VK_RETURN);
    EXPECT_EQ(clicks, 1);
}

// A label that answers its accelerator by focusing the edit, as labels do.
class AcceleratorLabel : public TLabel {
public:
    using TLabel::TLabel;
    TWinControl* target = nullptr;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_DIALOGCHAR && (m.WParam == 'n' || m.WParam == 'N')) {
            target->SetFocus();
            m.Result = 1;
            return;
        }
        TLabel::WndProc(m);
    }
};

TEST_F(ControlsTest, AltWithALettersReachesWindowlessControlsAsADialogCharacter)
{
    auto* label = new AcceleratorLabel(form);
    label->SetParent(form);
    label->target = form->edit;
    form->button->SetFocus();
    PostMessageA(form->button->Handle(), WM_SYSCHAR, 'n', LPARAM(1) << 29);
    PumpMessages();
    EXPECT_EQ(GetFocus(), form->edit->Handle());

    form->edit->SetText("");
    PostMessageA(form->edit->Handle(), WM_CHAR, 'n', 1);
    PumpMessages();
    EXPECT_EQ(form->edit->Text(), "n") << "an edit types its characters itself";
}

// Puts text on the clipboard, as another program copying it does.
void CopyToClipboard(const std::string& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

std::string PathOfLength(std::size_t length)
{
    std::string path = "C:\\";
    while (path.size() < length)
        path += "folder\\";
    path.resize(length - 4);
    return path + ".txt";
}

// A paste cut at the limit can name another, existing file (x.txt from
// x.txt.bak): a paste that does not fit whole is refused.
TEST_F(ControlsTest, APasteThatDoesNotFitWholeIsRefusedAndOneThatFitsIsTakenWhole)
{
    TEdit* edit = form->edit;
    edit->SetMaxLength(255);
    edit->SetFocus();
    CopyToClipboard(PathOfLength(260));
    SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text(), "");
    PostMessageA(edit->Handle(), WM_CHAR, 0x16, 0x2F0001);  // Ctrl+V typed
    PumpMessages();
    EXPECT_EQ(edit->Text(), "");

    std::string fits = PathOfLength(200);
    CopyToClipboard(fits + "\r\nsecond line");
    PostMessageA(edit->Handle(), WM_CHAR, 0x16, 0x2F0001);
    PumpMessages();
    EXPECT_EQ(edit->Text(), fits) << "a one-line edit takes the first line";

    // 200 characters in the edit, 60 of them selected: 260 - 60 = 200 fit.
    CopyToClipboard(std::string(60, 'y'));
    SendMessageA(edit->Handle(), EM_SETSEL, 0, 60);
    SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text(), std::string(60, 'y') + fits.substr(60));
    SendMessageA(edit->Handle(), EM_SETSEL, 200, 200);
    SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text().size(), 200u) << "60 more at the end would make 260";
}

TEST_F(ControlsTest, TypingStopsAtTheLimitAndTheProgramsTextIsNotLimited)
{
    TEdit* edit = form->edit;
    edit->SetMaxLength(255);
    edit->SetText(std::string(254, 'a'));
    edit->SetFocus();
    SendMessageA(edit->Handle(), EM_SETSEL, 254, 254);
    for (char c : std::string("bcd"))
        PostMessageA(edit->Handle(), WM_CHAR, WPARAM(c), 1);
    PumpMessages();
    EXPECT_EQ(edit->Text(), std::string(254, 'a') + "b");
    edit->SetText(PathOfLength(300));
    EXPECT_EQ(edit->Text(), PathOfLength(300));
}

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(ErrorBoxText("Disk full"), "Disk full.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("What?"), "What?.");
    EXPECT_EQ(ErrorBoxText("(see above)"), "(see above)");
    EXPECT_EQ(ErrorBoxText("a-"), "a-");
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(MemoLines, CountsTextLinesAndAddsWithLineBreaks)
{
    TApplication* app = Application;
    TForm holder(app);
    TMemo memo(&holder);
    memo.Lines().Add("one");
    memo.Lines().Add("two");
    EXPECT_EQ(memo.Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(memo.Lines().Count(), 2);
    EXPECT_EQ(memo.Lines()[1], "two");
    memo.SetText("no break");
    memo.Lines().Add("next");
    EXPECT_EQ(memo.Lines().Count(), 2);
    memo.Lines().Clear();
    EXPECT_EQ(memo.Lines().Count(), 0);
}

}  // namespace
