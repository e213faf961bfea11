// The program's own forms with their standard controls adapted: the About
// box's panel drawn from GROUPBOX, its plain labels and the link's hover
// colour, and the main window's details panes after a Compare. With
// PVX_ADAPTER_SHOTS set to a folder, pictures of both windows are written
// there for a person to look at.

#include "app/About.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/adapters/PaneTestSupport.h"
#include "skin/adapters/acPanelWnd.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/paint/SkinItem.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"

namespace {

constexpr TColor kSkinText = 4276545;

class ProgramFormsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ParkPointer();
        CreateApplicationForms(*Application);
        Form1->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        delete AboutBox;
        delete Form1;
        ParkPointer();
        PumpMessages();
    }
    // The About box is skinned by the provider it gets when it activates,
    // the main window by its own; each provider's adapter takes the controls.
    void SkinAbout()
    {
        AboutBox->Show();
        PumpMessages();
        ASSERT_NE(ProviderOf(AboutBox), nullptr);
        ASSERT_NE(ProviderOf(AboutBox)->Adapter(), nullptr);
    }
    void SkinMain()
    {
        PumpMessages();
        ASSERT_NE(Form1->sSkinProvider1->Adapter(), nullptr);
    }
};

}  // namespace

TEST(PanelSection, ChosenFromTheBevels)
{
    using enum TBevelCut;
    EXPECT_EQ(PanelSectionOf(bvLowered, bvRaised, false), "GROUPBOX");
    EXPECT_EQ(PanelSectionOf(bvRaised, bvLowered, false), "GROUPBOX");
    EXPECT_EQ(PanelSectionOf(bvLowered, bvNone, false), "PANEL_LOW");
    EXPECT_EQ(PanelSectionOf(bvLowered, bvLowered, false), "PANEL_LOW");
    EXPECT_EQ(PanelSectionOf(bvRaised, bvNone, false), "PANEL");
    EXPECT_EQ(PanelSectionOf(bvRaised, bvRaised, true), "PANEL");
    EXPECT_EQ(PanelSectionOf(bvNone, bvRaised, true), "PANEL_LOW");
    EXPECT_EQ(PanelSectionOf(bvNone, bvNone, false), "CHECKBOX");
    EXPECT_EQ(PanelSectionOf(bvSpace, bvNone, false), "CHECKBOX");
}

TEST_F(ProgramFormsTest, TheAboutPanelIsDrawnWithGroupBoxNotItsBevels)
{
    SkinAbout();
    TPanel* panel = AboutBox->Panel1;
    TacMainWnd* adapter = TacMainWnd::FromWindow(panel->Handle());
    ASSERT_NE(adapter, nullptr);
    EXPECT_EQ(adapter->SkinData().SkinSection(), "GROUPBOX");
    RedrawWindow(AboutBox->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Image24 shown = GrabClientAsIs(panel->Handle());
    SavePicture(GrabClientAsIs(AboutBox->Handle()), "about.bmp");
    Image24 expected(panel->Width(), panel->Height());
    // Over what the skinned form shows behind the panel.
    TsBgQuery behind;
    behind.Area = Rect::FromSize(panel->Left(), panel->Top(), panel->Width(), panel->Height());
    ASSERT_TRUE(QueryParentBackground(behind, AboutBox, false));
    PaintControlItem(TsPaintTarget(expected.View(), QueryToSource(behind)),
                     TsSectionRef::Resolve(&Form1->sSkinManager1->Model(), "GROUPBOX"), expected.View().Bounds(), 0,
                     {});
    int w = panel->Width(), h = panel->Height();
    // The panel's edges, where none of its controls paints over them (the
    // shadowed name's effect reaches the top edge).
    auto expectPanel = [&](int x, int y) {
        for (TControl* c : panel->Controls())
            if (c->Visible() && c->BoundsRect().Contains({x, y}))
                return;
        EXPECT_EQ(shown.At(x, y), expected.At(x, y)) << x << "," << y;
    };
    for (int i = 0; i < 3; ++i) {
        for (int x = 0; x < w; x += 7) {
            expectPanel(x, i);
            expectPanel(x, h - 1 - i);
        }
        for (int y = 0; y < h; y += 7) {
            expectPanel(i, y);
            expectPanel(w - 1 - i, y);
        }
    }
    EXPECT_NE(shown.At(w / 2, 0), SysPixel(COLOR_BTNHIGHLIGHT)) << "no bevel line";
}

TEST_F(ProgramFormsTest, TheAboutLabelsArePlainAndTheLinkStillTurnsBlueUnderThePointer)
{
    SkinAbout();
    for (TLabel* label : {AboutBox->Copyright, AboutBox->Comments}) {
        EXPECT_TRUE(label->Transparent()) << label->Name();
        EXPECT_EQ(label->Font().Color(), kSkinText) << label->Name();
    }
    TLabel* link = AboutBox->Comments;
    MouseInput(AboutBox->Panel1->Handle(), {link->Left() + 5, link->Top() + 5});
    EXPECT_EQ(link->Font().Color(), clBlue);
    MouseInput(AboutBox->Panel1->Handle(), {5, AboutBox->Panel1->Height() - 5});
    PumpUntil([&] { return link->Font().Color() != clBlue; });
    EXPECT_EQ(link->Font().Color(), clBlack);
}

TEST_F(ProgramFormsTest, AfterACompareBothPanesWearTheSkin)
{
    SkinMain();
    TempDir dir;
    std::string a = dir.WriteFile("a.txt", "same bytes");
    std::string b = dir.WriteFile("b.txt", "same bytes");
    Form1->FileName1->SetText(a);
    Form1->FileName2->SetText(b);
    SendMessageA(Form1->PvxButton1->Handle(), BM_CLICK, 0, 0);
    PumpMessages();
    for (TMemo* pane : {Form1->Memo1, Form1->Memo2}) {
        auto* adapter = dynamic_cast<TacScrollWnd*>(TacMainWnd::FromWindow(pane->Handle()));
        ASSERT_NE(adapter, nullptr) << pane->Name();
        EXPECT_TRUE(adapter->BarVisible(kBarVertical) && adapter->BarVisible(kBarHorizontal)) << pane->Name();
        EXPECT_EQ(pane->Color(), TColor(0xFFFFFF));
        EXPECT_EQ(pane->Font().Color(), kSkinText);
        EXPECT_GE(pane->Lines().Count(), 8);
    }
    for (TLabel* label : {Form1->Label2, Form1->Label3}) {
        EXPECT_TRUE(label->Transparent()) << label->Name();
        EXPECT_EQ(label->Font().Color(), kSkinText) << label->Name();
    }
    EXPECT_EQ(TacMainWnd::FromWindow(Form1->sBitBtn1->Handle()), nullptr) << "skinned controls are left alone";
    RedrawWindow(Form1->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                                                        RDW_UPDATENOW);
    SavePicture(GrabWindowAsIs(Form1->Handle()), "main.bmp");
}

TEST_F(ProgramFormsTest, RemovingTheSkinLeavesThePanelWithoutASection)
{
    SkinAbout();
    HWND panel = AboutBox->Panel1->Handle();
    TacMainWnd* adapter = TacMainWnd::FromWindow(panel);
    ASSERT_NE(adapter, nullptr);
    ASSERT_GE(adapter->SkinData().SectionIndex(), 0);
    SendSkinCommand(panel, scSkinRemoved, 0, reinterpret_cast<LPARAM>(DefaultManager()));
    EXPECT_EQ(adapter->SkinData().SectionIndex(), -1);
    EXPECT_TRUE(AboutBox->Panel1->ControlStyle & csOpaque) << "a panel is opaque by its own design";
}
