// How providers and adapters stand in a window's message chain: a link comes
// out wherever it stands and leaves the others working, a window is adapted
// once whatever the skin lacks, and teardown in any order never touches a
// freed control (the freed memo's bytes are poisoned and must stay so; a
// virtual call through a stale pointer would crash).

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "controls/SkinnedTestForm.h"
#include "skin/adapters/acCtrlAdapter.h"
#include "skin/adapters/acEditWnd.h"
#include "skin/dialogs/acDialogChildren.h"
#include "skin/engine/SkinCommands.h"
#include "skin/forms/sSkinProvider.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/Edits.h"

namespace {

// A chain of three recording links over a recording bottom.
struct RecordedChain {
    std::vector<std::string> calls;
    std::shared_ptr<TMessageChain> chain =
        std::make_shared<TMessageChain>([this](TMessage&) { calls.push_back("bottom"); });
    TChainLink Recorder(const std::string& name, TChainLink& self)
    {
        return chain->Push(TLinkRole::tlForeign, &self, [this, name, &self](TMessage& m) {
            calls.push_back(name);
            self.CallBelow(m);
        });
    }
    std::vector<std::string> Run()
    {
        calls.clear();
        TMessage m{WM_NULL, 0, 0, 0};
        chain->Dispatch(m);
        return calls;
    }
};

using Calls = std::vector<std::string>;

TEST(MessageChainTest, ALinkComesOutWhereverItStandsAndTheOthersKeepWorking)
{
    RecordedChain r;
    TChainLink a, b, c;
    a = r.Recorder("a", a);
    b = r.Recorder("b", b);
    c = r.Recorder("c", c);
    EXPECT_EQ(r.Run(), (Calls{"c", "b", "a", "bottom"}));
    b.Remove();
    EXPECT_EQ(r.Run(), (Calls{"c", "a", "bottom"}));
    a.Remove();
    EXPECT_EQ(r.Run(), (Calls{"c", "bottom"}));
    c.Remove();
    EXPECT_EQ(r.Run(), (Calls{"bottom"}));
    EXPECT_EQ(r.chain->LinkCount(), 0);
}

TEST(MessageChainTest, AMessagePassingALinkAsItComesOutStillReachesTheRest)
{
    RecordedChain r;
    TChainLink low, leaving;
    low = r.Recorder("low", low);
    leaving = r.chain->Push(TLinkRole::tlForeign, &leaving, [&](TMessage& m) {
        r.calls.push_back("leaving");
        leaving.Remove();
        low.Remove();  // what lay below goes too, in the middle of the message
        leaving.CallBelow(m);
    });
    EXPECT_EQ(r.Run(), (Calls{"leaving", "bottom"}));
    EXPECT_EQ(r.Run(), (Calls{"bottom"}));
}

TEST(MessageChainTest, AWindowHoldsOneLinkOfEachSkinRoleAndLinksOutliveTheirChain)
{
    RecordedChain r;
    int first = 0, second = 0;
    TChainLink adapter = r.chain->Push(TLinkRole::tlWindowAdapter, &first, [](TMessage&) {});
    TChainLink another = r.chain->Push(TLinkRole::tlWindowAdapter, &second, [](TMessage&) {});
    EXPECT_TRUE(adapter.Linked());
    EXPECT_FALSE(another.Linked());
    EXPECT_EQ(r.chain->OwnerOf(TLinkRole::tlWindowAdapter), &first);
    TChainLink skin = r.chain->Push(TLinkRole::tlFormSkin, &second, [](TMessage&) {});
    EXPECT_TRUE(skin.Linked());
    bool told = false;
    TChainLink listener = r.chain->Push(TLinkRole::tlForeign, &told, [](TMessage&) {}, [&](bool) { told = true; });
    r.chain->End(true);
    EXPECT_TRUE(told);
    EXPECT_EQ(r.chain->LinkCount(), 0);
    r.chain.reset();
    adapter.Remove();  // the chain is gone: nothing to do
    EXPECT_FALSE(adapter.Linked());
}

// A memo in memory of the test's own: once freed, its bytes are poisoned and
// stay allocated, so any write through a stale pointer changes the poison.
class PoisonedMemo {
public:
    static constexpr unsigned char kPoison = 0xDD;
    explicit PoisonedMemo(TWinControl* parent, TColor color = clWindow)
    {
        memo_ = new (storage_) TMemo(nullptr);
        memo_->SetColor(color);
        memo_->SetBounds(8, 40, 200, 80);
        memo_->SetScrollBars(TScrollStyle::ssBoth);
        memo_->SetText("one\r\ntwo\r\nthree");
        memo_->SetParent(parent);
    }
    PoisonedMemo(const PoisonedMemo&) = delete;
    PoisonedMemo& operator=(const PoisonedMemo&) = delete;
    ~PoisonedMemo()
    {
        if (!freed_)
            Free();
    }
    TMemo* operator->() const { return memo_; }
    TMemo* Get() const { return memo_; }
    void Free()
    {
        memo_->~TMemo();
        std::memset(storage_, kPoison, sizeof storage_);
        freed_ = true;
    }
    bool PoisonIntact() const
    {
        for (unsigned char byte : storage_)
            if (byte != kPoison)
                return false;
        return true;
    }

private:
    alignas(TMemo) unsigned char storage_[sizeof(TMemo)];
    TMemo* memo_ = nullptr;
    bool freed_ = false;
};

class TProviderTestForm : public TSkinnedTestForm {
public:
    using TSkinnedTestForm::TSkinnedTestForm;
    TsSkinProvider* provider = nullptr;

protected:
    void AddControls() override
    {
        provider = new TsSkinProvider(this);
        provider->SkinData().SetSkinManager(manager);
    }
};

class AttachmentTest : public testing::Test {
protected:
    void Open(std::vector<uint8_t> package = {})
    {
        liveBefore = TacMainWnd::LiveCount();
        form = new TProviderTestForm(Application, std::move(package));
        form->Create();
        form->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        delete form;
        PumpMessages();
        EXPECT_EQ(TacMainWnd::LiveCount(), liveBefore) << "every window adapter freed";
    }
    TacMainWnd* AdapterOf(TWinControl* control) const { return TacMainWnd::FromWindow(control->Handle()); }

    TProviderTestForm* form = nullptr;
    int liveBefore = 0;
};

TEST_F(AttachmentTest, AnAdaptedMemoFreedBeforeItsFormsProviderIsNeverTouchedAgain)
{
    Open();
    auto memo = std::make_unique<PoisonedMemo>(form);
    ASSERT_NE(AdapterOf(memo->Get()), nullptr) << "adapted when its window was made";
    EXPECT_EQ(memo->Get()->MessageChain().LinkCount(), 1);
    memo->Free();
    EXPECT_TRUE(memo->PoisonIntact());
    form->provider->Adapter()->AttachAll();  // drops the dead item
    form->manager->SetActive(false);         // the provider lets its adapters go
    PumpMessages();
    form->manager->SetActive(true);
    PumpMessages();
    delete form->provider;                   // and the provider itself
    form->provider = nullptr;
    EXPECT_TRUE(memo->PoisonIntact()) << "the freed memo was written to";
}

TEST_F(AttachmentTest, AnAdaptedMemoFreedAndThenItsFormGoesWithTheProvider)
{
    Open();
    auto memo = std::make_unique<PoisonedMemo>(form);
    ASSERT_NE(AdapterOf(memo->Get()), nullptr);
    memo->Free();
    delete form;
    form = nullptr;
    EXPECT_TRUE(memo->PoisonIntact()) << "the freed memo was written to";
}

TEST_F(AttachmentTest, TheProviderFreedFirstGivesTheMemoBackWhole)
{
    Open();
    PoisonedMemo memo(form, TColor(0xE0FFFF));
    ASSERT_NE(AdapterOf(memo.Get()), nullptr);
    EXPECT_EQ(memo->Color(), TColor(0xFFFFFF)) << "the skin's colour";
    delete form->provider;
    form->provider = nullptr;
    EXPECT_EQ(AdapterOf(memo.Get()), nullptr);
    EXPECT_EQ(memo->MessageChain().LinkCount(), 0);
    EXPECT_EQ(memo->Color(), TColor(0xE0FFFF)) << "its own colour back";
    EXPECT_EQ(SendMessageA(memo->Handle(), WM_GETTEXTLENGTH, 0, 0), 15) << "its own handling answers";
    memo.Free();
}

TEST_F(AttachmentTest, AForeignHandlerOverAnAdaptedMemoKeepsRunningWhenTheSkinGoes)
{
    Open();
    PoisonedMemo memo(form);
    ASSERT_NE(AdapterOf(memo.Get()), nullptr);
    int seen = 0;
    TChainLink foreign;
    foreign = memo->MessageChain().Push(TLinkRole::tlForeign, &seen, [&](TMessage& m) {
        if (m.Msg == WM_GETTEXTLENGTH)
            ++seen;
        foreign.CallBelow(m);
    });
    form->manager->SetActive(false);
    PumpMessages();
    EXPECT_EQ(AdapterOf(memo.Get()), nullptr);
    EXPECT_TRUE(foreign.Linked());
    seen = 0;
    EXPECT_EQ(SendMessageA(memo->Handle(), WM_GETTEXTLENGTH, 0, 0), 15) << "the memo's own handling below";
    EXPECT_EQ(memo->Perform(WM_GETTEXTLENGTH), 15);
    EXPECT_EQ(seen, 2) << "the foreign handler still runs";
    form->manager->SetActive(true);
    PumpMessages();
    EXPECT_NE(AdapterOf(memo.Get()), nullptr) << "adapted again, under the foreign handler";
    memo.Free();
    EXPECT_FALSE(foreign.Linked()) << "the memo's end took the foreign link out too";
}

// A foreign window procedure put over an adapted bare window: it calls ours,
// so ours stays and passes everything on once the adapter has gone.
LRESULT CALLBACK ForeignProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC foreignBelow = nullptr;
int foreignSeen = 0;

LRESULT CALLBACK ForeignProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ++foreignSeen;
    return CallWindowProcA(foreignBelow, window, msg, wParam, lParam);
}

TEST_F(AttachmentTest, AForeignProcedureOverAnAdaptedBareWindowKeepsRunningWhenTheAdapterGoes)
{
    Open();
    HWND bare = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "bare", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 220, 40, 100,
                                60, form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(bare, nullptr);
    TacWindowAdapterPtr adapter = MakeWindowAdapter<TacEditWnd>(true, bare, "EDIT", form->manager, nullptr);
    ASSERT_NE(adapter, nullptr);
    foreignBelow = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(bare, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForeignProcedure)));
    adapter.reset();
    EXPECT_EQ(TacMainWnd::FromWindow(bare), nullptr);
    foreignSeen = 0;
    SetWindowTextA(bare, "changed");
    EXPECT_EQ(WindowText(bare), "changed") << "the edit's own procedure still answers";
    EXPECT_GE(foreignSeen, 2);
    EXPECT_EQ(SendSkinCommand(bare, scQueryHandled), 0);
    DestroyWindow(bare);
}

TEST_F(AttachmentTest, AChildIsAdaptedOnceEvenWhenTheSkinLacksItsSection)
{
    Open(SkinPackageWithout({"CHECKBOX"}));
    HWND text = CreateWindowExA(0, "STATIC", "A text", WS_CHILD | WS_VISIBLE, 220, 40, 100, 20, form->Handle(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(text, nullptr);
    TacDialogChildren children;
    children.AttachAll(form->Handle(), form->manager);
    TacMainWnd* adapter = TacMainWnd::FromWindow(text);
    ASSERT_NE(adapter, nullptr);
    EXPECT_NE(SendSkinCommand(text, scQueryHandled), 1) << "inactive: the skin has no CHECKBOX";
    int count = children.Count();
    children.AttachAll(form->Handle(), form->manager);
    children.AttachAll(form->Handle(), form->manager);
    EXPECT_EQ(children.Count(), count);
    EXPECT_EQ(TacMainWnd::FromWindow(text), adapter);
    EXPECT_EQ(MakeWindowAdapter<TacEditWnd>(true, text, "EDIT", form->manager, nullptr), nullptr);
    SetWindowTextA(text, "Still answers");
    EXPECT_EQ(WindowText(text), "Still answers");
    RedrawWindow(text, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    children.Clear();
    DestroyWindow(text);
}

}  // namespace
