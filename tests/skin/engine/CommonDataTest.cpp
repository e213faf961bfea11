// The control skin binding: its section, the commands it takes, the colours
// of an edit, and the background questions children ask.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/PvxControlTestSupport.h"
#include "controls/sBitBtn.h"
#include "controls/sTooledit.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinTestFiles.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"

namespace {

// A parent that answers the background question with a picture of its own,
// as a skinned container does: pixel (x, y) is (x, y, 100).
class TPictureParent : public TCustomControl {
public:
    explicit TPictureParent(TComponent* owner) : TCustomControl(owner) {}
    const char* ClassName() const override { return "TPictureParent"; }
    TBitmap picture;

    void WndProc(TMessage& m) override
    {
        if (m.Msg == SM_SKINCMD && SkinCmdOf(m.WParam) == scQueryBackground) {
            auto* q = reinterpret_cast<TsBgQuery*>(m.LParam);
            if (picture.Width() != Width() || picture.Height() != Height()) {
                picture.SetSize(Width(), Height());
                View24 p = picture.Pixels24();
                for (int y = 0; y < p.Height(); ++y)
                    for (int x = 0; x < p.Width(); ++x)
                        p.At(x, y) = {100, uint8_t(y), uint8_t(x)};
            }
            q->Kind = 2;
            q->Image = picture.Pixels24();
            q->OffsetX = q->OffsetY = 0;
            m.Result = 0;
            return;
        }
        TCustomControl::WndProc(m);
    }
};

class TBindingTestForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TBindingTestForm"; }
    TsSkinManager* manager = nullptr;
    TPictureParent* parent = nullptr;
    TsBitBtn* button = nullptr;
    TEdit* edit = nullptr;

protected:
    void ReadFormData() override
    {
        SetBounds(100, 100, 320, 220);
        manager = new TsSkinManager(this);
        TsStoredSkin opus;
        opus.Name = "Opus (internal)";
        opus.Data = EmbeddedSkinPackage();
        manager->InternalSkins().push_back(std::move(opus));
        manager->SetSkinName("Opus (internal)");
        parent = CreateControl<TPictureParent>(this, this, "parent", 10, 10, 200, 100);
        button = CreateControl<TsBitBtn>(this, parent, "button", 10, 20, 99, 25);
        button->SkinData().SetSkinSection("button");
        edit = CreateControl<TEdit>(this, this, "edit", 10, 150, 100, 21);
    }
};

class CommonDataTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = new TBindingTestForm(Application);
        form->Create();
        form->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        delete form;
        PumpMessages();
    }
    LPARAM Manager() const { return reinterpret_cast<LPARAM>(form->manager); }

    TBindingTestForm* form = nullptr;
};

}  // namespace

TEST_F(CommonDataTest, TheSectionIsStoredUpperCaseAndAnEmptyOneAwaitsItsKindsDefault)
{
    TsCommonData& binding = form->button->SkinData();
    EXPECT_EQ(binding.SkinSection(), "BUTTON");
    EXPECT_TRUE(binding.IsSkinned());
    EXPECT_EQ(SendSkinCommand(form->button, scQuerySectionIndex),
              form->manager->Model().GetSectionIndex("BUTTON") + 1);
    binding.SetSkinSection("");
    EXPECT_EQ(binding.SkinSection(), "UNKNOWN");
    EXPECT_FALSE(binding.IsSkinned());
    EXPECT_EQ(SendSkinCommand(form->button, scQuerySectionIndex), 0);
    binding.OwnerLoaded();
    EXPECT_EQ(binding.SkinSection(), "BUTTON") << "a push button's default section";
    EXPECT_TRUE(binding.IsSkinned());
}

TEST_F(CommonDataTest, CommandsNamingAnotherManagerAreIgnored)
{
    TsCommonData& binding = form->button->SkinData();
    int other = 1;
    SendSkinCommand(form->button, scSkinRemoved, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_TRUE(binding.IsSkinned());
    SendSkinCommand(form->button, scSkinRemoved, 0, Manager());
    EXPECT_FALSE(binding.IsSkinned());
    SendSkinCommand(form->button, scSkinLoaded, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_FALSE(binding.IsSkinned());
    SendSkinCommand(form->button, scSkinLoaded, 0, Manager());
    EXPECT_TRUE(binding.IsSkinned());
}

TEST_F(CommonDataTest, AnEditTakesTheSectionsColoursAndGivesThemBackWhenTheSkinGoes)
{
    TsCommonData binding(form->edit, false, 0);
    binding.SetSkinSection("EDIT");
    TMessage removed{SM_SKINCMD, SkinCmdParam(scSkinRemoved), Manager(), 0};
    binding.HandleSkinCommand(removed);
    EXPECT_EQ(form->edit->Color(), clWindow);
    EXPECT_EQ(form->edit->Font().Color(), clWindowText);
    form->edit->SetColor(TColor(0x0000FF));
    TMessage loaded{SM_SKINCMD, SkinCmdParam(scSkinLoaded), Manager(), 0};
    binding.HandleSkinCommand(loaded);
    TMessage repaint{SM_SKINCMD, SkinCmdParam(scRepaint), Manager(), 0};
    binding.HandleSkinCommand(repaint);
    EXPECT_EQ(ColorToRGB(form->edit->Color()), COLORREF(16777215)) << "EDIT's white";
    EXPECT_EQ(form->edit->Font().Color(), TColor(4276545));

    binding.SetCustomColor(true);
    binding.SetCustomFont(true);
    form->edit->SetColor(TColor(0x0000FF));
    binding.HandleSkinCommand(removed);
    binding.HandleSkinCommand(loaded);
    binding.HandleSkinCommand(repaint);
    EXPECT_EQ(form->edit->Color(), TColor(0x0000FF)) << "CustomColor keeps the edit's own colour";
    EXPECT_EQ(form->edit->Font().Color(), TColor(4276545)) << "CustomFont keeps the font's own colour";
}

TEST_F(CommonDataTest, AButtonPassesTheBackgroundQuestionToItsParentWithItsOffset)
{
    TsBgQuery q;
    q.Area = {0, 0, 5, 5};
    SendSkinCommand(form->button, scQueryBackground, 0, reinterpret_cast<LPARAM>(&q));
    EXPECT_EQ(q.Kind, 2) << "BUTTON is fully transparent with small borders";
    EXPECT_EQ(q.Image.Width(), 200);
    EXPECT_EQ(q.OffsetX, 10);
    EXPECT_EQ(q.OffsetY, 20);
}

TEST_F(CommonDataTest, TheCornersOfTheButtonsCacheShowTheParentAtItsPlace)
{
    TBitmap* cache = form->button->SkinData().CacheBitmap();
    ASSERT_TRUE(cache && !cache->Empty());
    View24 pixels = cache->Pixels24();
    EXPECT_EQ(pixels.At(0, 0), (Rgb24{100, 20, 10})) << "the parent's picture at (10, 20)";
    EXPECT_EQ(pixels.At(98, 24), (Rgb24{100, 44, 108}));
    const Rgb24 middle = pixels.At(49, 0);
    EXPECT_NE(middle, (Rgb24{100, 20, 59})) << "the border itself is drawn";
}

TEST_F(CommonDataTest, AControlReachingPastItsParentsClientAreaRebuildsAtEveryPaint)
{
    form->button->SetBounds(10, 20, 99, 25);
    form->button->Repaint();
    EXPECT_EQ(SendSkinCommand(form->button, scQueryHalfVisible), 0);
    form->button->SetBounds(102, 20, 99, 25);  // one pixel past the parent's right edge
    form->button->Repaint();
    EXPECT_EQ(SendSkinCommand(form->button, scQueryHalfVisible), 1);
}

namespace {

// The form window's engine commands, as they arrive.
class TSkinCommandLog {
public:
    explicit TSkinCommandLog(TControl* control)
    {
        link_ = control->MessageChain().Push(TLinkRole::tlForeign, this, [this](TMessage& m) {
            if (m.Msg == SM_SKINCMD)
                seen.push_back(SkinCmdOf(m.WParam));
            link_.CallBelow(m);
        });
    }
    TSkinCommandLog(const TSkinCommandLog&) = delete;
    TSkinCommandLog& operator=(const TSkinCommandLog&) = delete;
    bool Saw(TsSkinCommand command) const { return std::find(seen.begin(), seen.end(), command) != seen.end(); }
    std::vector<TsSkinCommand> seen;

private:
    TChainLink link_;
};

class TProvidedForm : public TBindingTestForm {
public:
    using TBindingTestForm::TBindingTestForm;
    TsSkinProvider* provider = nullptr;
    TsFilenameEdit* fileEdit = nullptr;

protected:
    void ReadFormData() override
    {
        TBindingTestForm::ReadFormData();
        provider = new TsSkinProvider(this);
        fileEdit = CreateControl<TsFilenameEdit>(this, this, "fileEdit", 120, 150, 180, 21);
        fileEdit->SkinData().SetSkinSection("EDIT");
    }
};

}  // namespace

TEST(CommonDataOnSkinnedForm, TheFormSkinnersUpdateBracketReachesItsFormAndEnteringAnEditCoolsItsButton)
{
    auto* form = new TProvidedForm(Application);
    form->Create();
    form->Show();
    PumpMessages();
    {
        TSkinCommandLog log(form);
        form->provider->SkinData().BeginUpdate();
        EXPECT_TRUE(log.Saw(scBeginUpdate));
        form->provider->SkinData().EndUpdate();
        EXPECT_TRUE(log.Saw(scEndUpdate));
        EXPECT_FALSE(form->provider->SkinData().Updating);
    }
    // A speed button that missed its leave (the pointer went from it straight
    // to the edit's window) is told when the edit is entered.
    TsEditButton& button = form->fileEdit->Button();
    button.SkinData().MouseOver = true;
    ASSERT_EQ(button.StateIndex(), 1);
    form->fileEdit->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(button.SkinData().MouseOver);
    EXPECT_EQ(button.StateIndex(), 0);
    button.SkinData().MouseOver = true;
    form->fileEdit->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(&button));
    EXPECT_TRUE(button.SkinData().MouseOver) << "the control entered keeps its hot look";
    button.SkinData().MouseOver = false;
    delete form;
    PumpMessages();
}
