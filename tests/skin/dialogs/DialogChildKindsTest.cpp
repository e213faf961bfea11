// Child windows of kinds that no dialog of the program holds (group box, tab
// control, up-down, link, the toolkit's panel, the extended combo box and a
// combo box's drop-down list), in a dialog made here from an in-memory
// template and skinned as the system's dialogs are: each gets its adapter,
// shows the skin and still works.

#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/adapters/acEditWnd.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/dialogs/acBtnWnd.h"
#include "skin/dialogs/acComboBoxWnd.h"
#include "skin/dialogs/acDlgPanelWnd.h"
#include "skin/dialogs/acGroupBoxWnd.h"
#include "skin/dialogs/acLinkWnd.h"
#include "skin/dialogs/acSpinWnd.h"
#include "skin/dialogs/acTabControlWnd.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/SkinItem.h"

namespace {

constexpr const wchar_t* kPanelClass = L"TSilentPaintPanel";
constexpr Rgb24 kSkinText{0x41, 0x41, 0x41};  // FONTCOLOR 4276545
enum : WORD { idGroup = 100, idTabs, idButtonTabs, idEdit, idSpin, idLink, idPanel, idComboEx, idCombo };

// A dialog template built in memory: the header, then each item DWORD-aligned.
class DialogTemplate {
public:
    DialogTemplate(const wchar_t* caption, short cx, short cy)
    {
        DLGTEMPLATE header{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME, 0, 0, 0, 0, cx, cy};
        Append(&header, sizeof header);
        Words({0, 0});  // no menu, the default class
        Text(caption);
        Words({8});
        Text(L"MS Shell Dlg");
    }
    void Item(const wchar_t* className, const wchar_t* text, DWORD style, short x, short y, short cx, short cy, WORD id)
    {
        Align();
        DLGITEMTEMPLATE item{WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy, id};
        Append(&item, sizeof item);
        Text(className);
        Text(text);
        Words({0});  // no creation data
        ++reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit;
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    void Append(const void* data, std::size_t size)
    {
        auto* b = static_cast<const char*>(data);
        bytes_.insert(bytes_.end(), b, b + size);
    }
    void Words(std::initializer_list<WORD> words)
    {
        for (WORD w : words)
            Append(&w, sizeof w);
    }
    void Text(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
    void Align()
    {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }
    std::vector<char> bytes_;
};

INT_PTR CALLBACK TestDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

// A panel class of the toolkit's name, painting itself red where nobody covers it.
void RegisterPanelClass()
{
    static bool done = false;
    if (done)
        return;
    static UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    WNDCLASSW c{};
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hbrBackground = red.Get();
    c.lpszClassName = kPanelClass;
    done = RegisterClassW(&c) != 0;
}

// The section painted into a picture of the rectangle's size over a colour.
Image24 Reference(const char* section, Size size, int state, Rgb24 behind)
{
    Image24 picture(size.width, size.height);
    int32_t colour = int32_t(RGB(behind.r, behind.g, behind.b));
    PaintControlItem(TsPaintTarget(picture.View(), BgFromColor(colour)),
                     TsSectionRef::Resolve(&DefaultManager()->Model(), section), picture.View().Bounds(), state, {});
    return picture;
}

// Pixels of `r` (window coordinates of `window`) that differ from the reference's.
int Mismatches(const Image24& window, const Image24& reference, const Rect& r, const Rect& compared)
{
    int count = 0;
    for (int y = compared.top; y < compared.bottom; ++y)
        for (int x = compared.left; x < compared.right; ++x)
            count += window.At(r.left + x, r.top + y) == reference.At(x, y) ? 0 : 1;
    return count;
}

class DialogChildKindsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        INITCOMMONCONTROLSEX init{sizeof init,
                                  ICC_LINK_CLASS | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_USEREX_CLASSES};
        InitCommonControlsEx(&init);
        RegisterPanelClass();
        ParkPointer();
        DialogTemplate t(L"Child kinds", 240, 150);
        t.Item(L"Button", L"Options", BS_GROUPBOX, 5, 5, 100, 50, idGroup);
        t.Item(WC_TABCONTROLW, L"", 0, 115, 5, 115, 60, idTabs);
        t.Item(WC_TABCONTROLW, L"", TCS_BUTTONS, 115, 70, 115, 20, idButtonTabs);
        t.Item(L"Edit", L"5", WS_BORDER, 5, 60, 40, 14, idEdit);
        t.Item(UPDOWN_CLASSW, L"", 0, 46, 60, 12, 14, idSpin);
        t.Item(WC_LINK, L"Visit <a href=\"x\">our site</a> now", 0, 5, 80, 150, 10, idLink);
        t.Item(kPanelClass, L"", 0, 160, 95, 70, 40, idPanel);
        t.Item(WC_COMBOBOXEXW, L"", CBS_DROPDOWNLIST, 5, 95, 70, 80, idComboEx);
        t.Item(L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 80, 95, 70, 80, idCombo);
        dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t.Get(), form->Handle(), TestDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        for (const wchar_t* text : {L"One", L"Two"}) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(text);
            SendMessageW(Child(idTabs), TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
        }
        for (const wchar_t* text : {L"Apple", L"Pear", L"Plum"})
            SendMessageW(Child(idCombo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageW(Child(idSpin), UDM_SETRANGE32, 0, 100);
        ShowWindow(dialog, SW_SHOW);
        PumpMessages();
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages();
    }
    void TearDown() override
    {
        if (IsWindow(dialog))
            DestroyWindow(dialog);
        PumpMessages();
        MainWindowTest::TearDown();
    }
    HWND Child(WORD id) const { return GetDlgItem(dialog, id); }
    template <typename T>
    T* AdapterOf(WORD id) const
    {
        return dynamic_cast<T*>(TacMainWnd::FromWindow(Child(id)));
    }
    // What the screen shows of the child, painted afresh.
    Image24 Shot(WORD id) const
    {
        RedrawWindow(Child(id), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return GrabWindowAsIs(Child(id));
    }
    Rgb24 DialogColour() const { return SkinSectionColour("DIALOG"); }

    HWND dialog = nullptr;
};

}  // namespace

TEST(LinkMarkup, SplitsAtTheAnchorTags)
{
    using Runs = std::vector<TsLinkRun>;
    EXPECT_EQ(SplitLinkMarkup(L"Visit <a href=\"x\">our site</a> now"),
              (Runs{{L"Visit ", false}, {L"our site", true}, {L" now", false}}));
    EXPECT_EQ(SplitLinkMarkup(L"<A>one</A><a id=2>two"), (Runs{{L"one", true}, {L"two", true}}));
    EXPECT_EQ(SplitLinkMarkup(L"plain </a> text"), (Runs{{L"plain </a> text", false}}));
    EXPECT_EQ(SplitLinkMarkup(L"cut <a href"), (Runs{{L"cut <a href", false}}));
    EXPECT_EQ(SplitLinkMarkup(L"<abbr>x</a>"), (Runs{{L"<abbr>x</a>", false}}));
    EXPECT_TRUE(SplitLinkMarkup(L"").empty());
}

TEST_F(DialogChildKindsTest, EachKindGetsItsAdapterAndTheDialogItsSkin)
{
    ExpectSkinnedDialog(dialog, {2, 2});
    EXPECT_NE(AdapterOf<TacGroupBoxWnd>(idGroup), nullptr);
    EXPECT_NE(AdapterOf<TacTabControlWnd>(idTabs), nullptr);
    EXPECT_EQ(TacMainWnd::FromWindow(Child(idButtonTabs)), nullptr) << "tabs drawn as buttons keep the system's look";
    EXPECT_NE(AdapterOf<TacSpinWnd>(idSpin), nullptr);
    EXPECT_NE(AdapterOf<TacLinkWnd>(idLink), nullptr);
    EXPECT_NE(AdapterOf<TacDlgPanelWnd>(idPanel), nullptr);
    EXPECT_NE(AdapterOf<TacComboBoxWnd>(idComboEx), nullptr);
    HWND inner = FindWindowExW(Child(idComboEx), nullptr, L"ComboBox", nullptr);
    EXPECT_NE(dynamic_cast<TacComboBoxWnd*>(TacMainWnd::FromWindow(inner)), nullptr);
}

TEST_F(DialogChildKindsTest, TheGroupBoxShowsTheSkinsFrameBelowItsCaptionAndLeavesTheInside)
{
    auto* box = AdapterOf<TacGroupBoxWnd>(idGroup);
    ASSERT_NE(box, nullptr);
    Image24 shot = Shot(idGroup);
    Rect frame = box->FrameRect(), caption = box->CaptionRect();
    ASSERT_GT(frame.top, 2) << "the frame starts half a line down";
    ASSERT_FALSE(caption.IsEmpty());
    Image24 expected = Reference("GROUPBOX", {frame.Width(), frame.Height()}, 0, DialogColour());
    // The left and bottom edges, rows and columns of the border image.
    EXPECT_EQ(Mismatches(shot, expected, frame, {0, caption.bottom, 3, frame.Height()}), 0);
    EXPECT_EQ(Mismatches(shot, expected, frame, {0, frame.Height() - 3, frame.Width(), frame.Height()}), 0);
    EXPECT_GT(CountOf(shot, kSkinText, caption), 5) << "the caption in the skin's text colour";
    EXPECT_EQ(shot.At(frame.Width() / 2, frame.top + frame.Height() / 2), DialogColour()) << "the inside";
}

TEST_F(DialogChildKindsTest, TheTabsWearTabTopThePagePageControlAndAClickMovesTheSelection)
{
    auto* tabs = AdapterOf<TacTabControlWnd>(idTabs);
    ASSERT_NE(tabs, nullptr);
    auto expectTab = [&](int index, int state) {
        Image24 shot = Shot(idTabs);
        Rect r = tabs->TabRect(index);
        ASSERT_FALSE(r.IsEmpty());
        EXPECT_EQ(tabs->TabState(index), state);
        Image24 expected = Reference("TABTOP", {r.Width(), r.Height()}, state, DialogColour());
        // The left edge of the tab, clear of its text.
        EXPECT_EQ(Mismatches(shot, expected, r, {0, 0, 3, r.Height() - 1}), 0) << "tab " << index;
        EXPECT_GT(CountOf(shot, kSkinText, r), 3) << "its text";
    };
    expectTab(0, 2);
    expectTab(1, 0);
    Image24 shot = Shot(idTabs);
    Rect page = tabs->PageRect();
    EXPECT_EQ(shot.At(page.left + page.Width() / 2, page.top + page.Height() / 2), SkinSectionColour("PAGECONTROL"));

    Rect second = tabs->TabRect(1);
    Point middle{(second.left + second.right) / 2, (second.top + second.bottom) / 2};
    MouseInput(Child(idTabs), middle, MOUSEEVENTF_LEFTDOWN);
    MouseInput(Child(idTabs), middle, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(SendMessageW(Child(idTabs), TCM_GETCURSEL, 0, 0), 1);
    ParkPointer();
    PumpMessages();
    expectTab(1, 2);
    expectTab(0, 0);
}

TEST_F(DialogChildKindsTest, TheSpinShowsTwoSkinnedHalvesAndAHeldHalfPressedWhileItStillCounts)
{
    auto* spin = AdapterOf<TacSpinWnd>(idSpin);
    ASSERT_NE(spin, nullptr);
    auto expectHalf = [&](TacSpinWnd::Half half, int state) {
        Image24 shot = GrabWindowAsIs(Child(idSpin));
        Rect r = spin->HalfRect(half);
        EXPECT_EQ(spin->HalfState(half), state);
        Image24 expected = Reference("SPEEDBUTTON_SMALL", {r.Width(), r.Height()}, state, DialogColour());
        EXPECT_EQ(Mismatches(shot, expected, r, {0, 0, r.Width(), 2}), 0) << "the top edge of half " << half;
        EXPECT_GT(CountOf(shot, kSkinText, r), 2) << "the arrow";
    };
    Shot(idSpin);
    expectHalf(TacSpinWnd::hFirst, 0);
    expectHalf(TacSpinWnd::hSecond, 0);
    int before = int(SendMessageW(Child(idSpin), UDM_GETPOS32, 0, 0));
    Rect up = spin->HalfRect(TacSpinWnd::hFirst);
    Point middle{(up.left + up.right) / 2, (up.top + up.bottom) / 2};
    MouseInput(Child(idSpin), middle, MOUSEEVENTF_LEFTDOWN);
    PumpMessages();
    expectHalf(TacSpinWnd::hFirst, 2);
    MouseInput(Child(idSpin), middle, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(SendMessageW(Child(idSpin), UDM_GETPOS32, 0, 0), before + 1) << "the control still counts";
    expectHalf(TacSpinWnd::hFirst, 1);
    expectHalf(TacSpinWnd::hSecond, 0);
    MouseInput(dialog, {2, 2});  // onto the dialog: the spin is hot no more
    expectHalf(TacSpinWnd::hFirst, 0);
}

TEST_F(DialogChildKindsTest, TheLinkIsDrawnOverTheSkinWithItsLinkInTheWebColours)
{
    ASSERT_NE(AdapterOf<TacLinkWnd>(idLink), nullptr);
    Image24 shot = Shot(idLink);
    Rect all{0, 0, shot.Width(), shot.Height()};
    TsSectionRef web = TsSectionRef::Resolve(&DefaultManager()->Model(), "WEBBUTTON");
    ASSERT_TRUE(web.IsValid());
    EXPECT_GT(CountOf(shot, kSkinText, all), 5) << "the plain words";
    EXPECT_GT(CountOf(shot, SkinRgb(web.Data().FontColor[0]), all), 5) << "the link";
    EXPECT_EQ(shot.At(shot.Width() - 2, 0), DialogColour()) << "the dialog shows through";
    LITEM item{};
    item.mask = LIF_ITEMINDEX | LIF_URL;
    EXPECT_TRUE(SendMessageW(Child(idLink), LM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(item.szUrl, L"x") << "the control keeps its links";
}

TEST_F(DialogChildKindsTest, TheToolkitsPanelShowsThePanelSectionNotItsOwnBrush)
{
    ASSERT_NE(AdapterOf<TacDlgPanelWnd>(idPanel), nullptr);
    Image24 shot = Shot(idPanel);
    EXPECT_EQ(shot.At(shot.Width() / 2, shot.Height() / 2), SkinSectionColour("PANEL"));
}

TEST_F(DialogChildKindsTest, TheDropDownListWearsTheSkinAndGoesWithTheComboBox)
{
    auto* combo = AdapterOf<TacComboBoxWnd>(idCombo);
    ASSERT_NE(combo, nullptr);
    SendMessageW(Child(idCombo), CB_SHOWDROPDOWN, TRUE, 0);
    PumpMessages();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(Child(idCombo), &info));
    ASSERT_TRUE(IsWindowVisible(info.hwndList));
    ASSERT_NE(combo->ListAdapter(), nullptr);
    EXPECT_EQ(combo->ListAdapter()->Window(), info.hwndList);
    EXPECT_NE(dynamic_cast<TacEditWnd*>(TacMainWnd::FromWindow(info.hwndList)), nullptr);
    RedrawWindow(info.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Image24 list = GrabWindowAsIs(info.hwndList);
    int32_t border = DefaultManager()->Model().SkinData().BorderColor;
    EXPECT_EQ(list.At(list.Width() / 2, 0), SkinRgb(border)) << "the dialog look's one-pixel frame";
    EXPECT_EQ(list.At(0, list.Height() / 2), SkinRgb(border));
    SendMessageW(Child(idCombo), CB_SHOWDROPDOWN, FALSE, 0);
    PumpMessages();

    int live = TacMainWnd::LiveCount();
    DestroyWindow(dialog);
    PumpMessages();
    EXPECT_FALSE(IsWindow(info.hwndList));
    EXPECT_LT(TacMainWnd::LiveCount(), live);
}

TEST_F(DialogChildKindsTest, AButtonUpOverTheClientNeverSetsOffAHeldCaptionButton)
{
    SendMessageW(dialog, WM_NCLBUTTONDOWN, 20, 0);  // the close button held
    RECT client{};
    GetClientRect(dialog, &client);
    // Shift and the middle button give 20 as the key flags: the close button's hit code.
    SendMessageW(dialog, WM_LBUTTONUP, MK_SHIFT | MK_MBUTTON, MAKELPARAM(client.right / 2, client.bottom / 2));
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(dialog));
}

// A push button adapted with a skin of its own: painted again when it moves
// only when its section has a gradient, which blends with what lies behind.
TEST(DialogButtonAdapter, OnlyAGradientButtonIsPaintedAgainWhenItMoves)
{
    TempDir dir;
    std::string folder = dir.MakeFolder("Gradients");
    dir.WriteFile("Gradients\\Options.dat",
                  "[GLOBALINFO]\r\nVERSION=5.41\r\n"
                  "[GRADBTN]\r\nCOLOR=65280\r\nGRADIENTPERCENT=100\r\nGRADIENTDATA=255;16711680;100;0;0\r\n"
                  "[FLATBTN]\r\nCOLOR=65280\r\n");
    TsSkinManager manager(nullptr);
    manager.SetSkinDirectory(dir.Path());
    manager.SetSkinName("Gradients");
    ASSERT_TRUE(manager.Active());
    ASSERT_GE(manager.Model().GetSectionIndex("GRADBTN"), 0);
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
    for (const char* section : {"GRADBTN", "FLATBTN"}) {
        HWND button = CreateWindowExW(0, L"BUTTON", L"Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 30, host,
                                      nullptr, nullptr, nullptr);
        TacWindowAdapterPtr adapter = MakeWindowAdapter<TacBtnWnd>(true, button, section, &manager);
        ASSERT_NE(adapter, nullptr);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        {
            WindowDc dc(button);
            UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
            RECT all{0, 0, 80, 30};
            FillRect(dc.Get(), &all, red.Get());
        }
        SendMessageW(button, WM_MOVE, 0, MAKELPARAM(10, 10));
        bool repainted = !(GrabClientAsIs(button).At(40, 15) == PureRed);
        EXPECT_EQ(repainted, std::string(section) == "GRADBTN") << section;
        adapter.reset();
        DestroyWindow(button);
    }
    DestroyWindow(host);
}
