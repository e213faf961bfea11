// The edit adapter on a details pane and on a bare edit window: the skin's
// colours and frame, the plain labels, which controls are adapted, and what
// comes back when the skin is removed.

#include <windows.h>

#include <uxtheme.h>

#include "controls/PvxControlTestSupport.h"
#include "skin/adapters/PaneTestSupport.h"
#include "skin/adapters/acEditWnd.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/paint/SkinItem.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Handles.h"
#include "toolkit/FormData.h"

namespace {

constexpr TColor kSkinText = 4276545;  // 0x414141, the internal skin's text colour
constexpr Rgb24 kWhite{255, 255, 255};
constexpr Rgb24 kSkinTextPixel{0x41, 0x41, 0x41};

// A memo of another name: the lists match class names exactly.
class TNotesMemo : public TMemo {
public:
    using TMemo::TMemo;
    const char* ClassName() const override { return "TNotesMemo"; }
};

bool HasThemeData(HWND window)
{
    HTHEME theme = OpenThemeData(window, L"EDIT");
    if (theme)
        CloseThemeData(theme);
    return theme != nullptr;
}

// The frame the skin gives a window of this size over the form's colour.
Image24 ExpectedEditFrame(const TsSkinModel& skin, Size size, int32_t behind)
{
    Image24 frame(size.width, size.height);
    PaintControlItem(TsPaintTarget(frame.View(), BgFromColor(behind)), TsSectionRef::Resolve(&skin, "EDIT"),
                     frame.View().Bounds(), 0, {});
    return frame;
}

class EditAdapterTest : public PaneTest {};

// A memo (adapted: the lists match its class name) that notes the DCs it is asked to erase.
class TErasingMemo : public TMemo {
public:
    using TMemo::TMemo;
    const char* ClassName() const override { return "TMemo"; }
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_ERASEBKGND)
            erased.push_back(reinterpret_cast<HDC>(m.WParam));
        TMemo::WndProc(m);
    }
    std::vector<HDC> erased;
};

}  // namespace

TEST_F(EditAdapterTest, ThePaneTakesTheSkinsColoursTextAndFrame)
{
    Open(20);
    TMemo* pane = form->pane;
    ASSERT_NE(Adapter(), nullptr);
    EXPECT_EQ(pane->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(pane->Font().Color(), kSkinText);
    RedrawWindow(Pane(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Image24 client = GrabClientAsIs(Pane());
    EXPECT_EQ(client.At(client.Width() - 3, client.Height() - 3), kWhite) << "the background";
    EXPECT_GT(CountOf(client, kSkinTextPixel, {0, 0, client.Width(), client.Height()}), 10) << "the text";
    Image24 window = GrabWindowAsIs(Pane());
    Image24 frame = ExpectedEditFrame(form->manager->Model(), {window.Width(), window.Height()},
                                      ResolveSkinColor(int32_t(form->Color())));
    const TsBarsLayout& bars = Adapter()->BarsLayout();
    ASSERT_EQ(bars.Frame.Left, 2);
    for (int x = 0; x < window.Width(); ++x)
        for (int y : {0, 1, window.Height() - 2, window.Height() - 1})
            ASSERT_EQ(window.At(x, y), frame.At(x, y)) << x << "," << y;
    for (int y = 0; y < window.Height(); ++y)
        for (int x : {0, 1, window.Width() - 2, window.Width() - 1})
            ASSERT_EQ(window.At(x, y), frame.At(x, y)) << x << "," << y;
    EXPECT_FALSE(HasThemeData(Pane())) << "the visual theme is off";
    EXPECT_EQ(SendSkinCommand(Pane(), scQueryHandled), 1);
    EXPECT_EQ(SendSkinCommand(Pane(), scQuerySectionIndex), form->manager->Model().GetSectionIndex("EDIT") + 1);
}

TEST_F(EditAdapterTest, PlainLabelsBecomeTransparentInTheSkinsTextColour)
{
    Open(20);
    EXPECT_TRUE(form->caption->Transparent());
    EXPECT_EQ(form->caption->Font().Color(), kSkinText);
}

TEST_F(EditAdapterTest, AClassDerivedFromTMemoUnderAnotherNameIsNotAdapted)
{
    Open(20, false);
    auto* notes = CreateControl<TNotesMemo>(form, form, "notes", 8, 200, 200, 50);
    notes->SetScrollBars(TScrollStyle::ssVertical);
    notes->HandleNeeded();
    skinner->Skin();
    EXPECT_NE(Adapter(), nullptr);
    EXPECT_EQ(TacMainWnd::FromWindow(notes->Handle()), nullptr);
    EXPECT_EQ(notes->Color(), clWindow);
    // Named in the list, the same class is adapted.
    form->manager->ThirdParty().Lists[tpEdits] += "\r\nTNotesMemo";
    form->manager->RefreshThirdPartyLists();
    skinner->Adapter()->AttachAll();
    EXPECT_NE(TacMainWnd::FromWindow(notes->Handle()), nullptr);
    PumpMessages();
    EXPECT_EQ(notes->Color(), TColor(0xFFFFFF));
}

TEST_F(EditAdapterTest, WithoutThirdPartyInTheRulesEveryControlStaysAsItWas)
{
    Open(20, false);
    form->manager->SkinningRules = srStdForms | srStdDialogs;
    skinner->Skin();
    PumpMessages();
    EXPECT_EQ(Adapter(), nullptr);
    EXPECT_EQ(skinner->Adapter()->Count(), 0);
    EXPECT_EQ(form->pane->Color(), clWindow);
    EXPECT_EQ(form->pane->Font().Color(), clWindowText);
    EXPECT_FALSE(form->caption->Transparent());
    EXPECT_NE(form->caption->Font().Color(), kSkinText);
    EXPECT_EQ(TacMainWnd::FromWindow(form->edit->Handle()), nullptr);
}

TEST_F(EditAdapterTest, RemovingTheSkinRestoresColoursHandlerThemeAndTheSystemsBars)
{
    Open(300, false);
    form->pane->SetColor(TColor(0xE0FFFF));
    form->pane->Font().SetColor(TColor(0x800000));
    bool themed = HasThemeData(Pane());
    skinner->Skin();
    PumpMessages();
    ASSERT_NE(Adapter(), nullptr);
    Image24 skinned = ShownBar(kBarVertical);
    Rect bar = Adapter()->BarRect(kBarVertical);
    RECT before{};
    GetClientRect(Pane(), &before);

    form->manager->SetActive(false);
    PumpMessages();
    EXPECT_EQ(form->pane->Color(), TColor(0xE0FFFF));
    EXPECT_EQ(form->pane->Font().Color(), TColor(0x800000));
    EXPECT_EQ(TacMainWnd::FromWindow(Pane()), nullptr);
    EXPECT_EQ(SendSkinCommand(Pane(), scQueryHandled), 0) << "the memo's own handler again";
    EXPECT_EQ(HasThemeData(Pane()), themed);
    RECT after{};
    GetClientRect(Pane(), &after);
    EXPECT_EQ(after.right, before.right) << "the system's bar takes the same room";
    Point middle{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
    EXPECT_EQ(SendMessageA(Pane(), WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)), HTVSCROLL);
    RedrawWindow(Pane(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    RECT window{};
    GetWindowRect(Pane(), &window);
    Image24 system = Crop(GrabWindowAsIs(Pane()), bar.Translated(-int(window.left), -int(window.top)));
    EXPECT_FALSE(SamePixels(system, skinned)) << "the system draws its own bar";
    form->manager->SetActive(true);
    PumpMessages();
}

TEST_F(EditAdapterTest, ABareEditWindowIsSkinnedThroughItsWindowProcedure)
{
    Open(2, false);
    HWND bare = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", PaneLines(200).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 240, 2, 200, 52,
                                form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(bare, nullptr);
    auto procedure = GetWindowLongPtrA(bare, GWLP_WNDPROC);
    {
        TacWindowAdapterPtr adapter = MakeWindowAdapter<TacEditWnd>(true, bare, "EDIT", form->manager, nullptr);
        EXPECT_EQ(TacMainWnd::FromWindow(bare), adapter.get());
        EXPECT_NE(GetWindowLongPtrA(bare, GWLP_WNDPROC), procedure);
        EXPECT_EQ(adapter->Control(), nullptr);
        RedrawWindow(bare, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        EXPECT_EQ(static_cast<TacEditWnd*>(adapter.get())->BareWindowColor, 0xFFFFFF);
        auto* scroll = static_cast<TacScrollWnd*>(adapter.get());
        Rect bar = scroll->BarRect(kBarVertical);
        Point down{(bar.left + bar.right) / 2, bar.bottom - 3};
        POINT client{down.x, down.y};
        ScreenToClient(bare, &client);
        MouseInput(bare, {int(client.x), int(client.y)}, MOUSEEVENTF_LEFTDOWN);
        MouseInput(bare, {int(client.x), int(client.y)}, MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(SendMessageA(bare, EM_GETFIRSTVISIBLELINE, 0, 0), 1) << "its arrow scrolls it";
    }
    EXPECT_EQ(GetWindowLongPtrA(bare, GWLP_WNDPROC), procedure) << "the window procedure is given back";
    EXPECT_EQ(TacMainWnd::FromWindow(bare), nullptr);
    EXPECT_EQ(SendSkinCommand(bare, scQueryHandled), 0);

    // A window destroyed while adapted leaves a detached adapter.
    TacWindowAdapterPtr adapter = MakeWindowAdapter<TacEditWnd>(true, bare, "EDIT", form->manager, nullptr);
    DestroyWindow(bare);
    EXPECT_TRUE(adapter->Destroyed());
}

TEST_F(EditAdapterTest, DuringAShowAnimationOnlyTheAnimationsOwnDcIsErased)
{
    Open(20, false);
    auto* memo = CreateControl<TErasingMemo>(form, form, "erasing", 8, 200, 200, 50);
    memo->HandleNeeded();
    skinner->Skin();
    PumpMessages();
    ASSERT_NE(TacMainWnd::FromWindow(memo->Handle()), nullptr);
    WindowDc screen(memo->Handle());
    TBitmap frame;
    frame.SetSize(20, 20);
    HDC animation = frame.Canvas().Handle();
    memo->erased.clear();
    {
        TsEngineFlag animating(SkinEngine().AnimationInProgress);
        SendMessageW(memo->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen.Get()), 0);
        SendMessageW(memo->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(animation), 0);
    }
    EXPECT_EQ(memo->erased, std::vector<HDC>{animation}) << "the screen is left alone while animating";
    SendMessageW(memo->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen.Get()), 0);
    EXPECT_EQ(memo->erased, (std::vector<HDC>{animation, screen.Get()}));
}
