// The window trees of the system's dialogs as Windows 10 and 11 build them,
// made here from templates in memory and windows of the shell's class names:
// the shell's framework hosts keep the system look while the frame is
// skinned, a dialog that paints its own white background shows the skin,
// children made late (a tree in the folder picker's wrapper) are reached,
// and the program's open dialog is the classic one with the hook's nested
// dialog and a list view.

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/adapters/acMainWnd.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/dialogs/acDialogWnd.h"
#include "skin/dialogs/acTransPanelWnd.h"
#include "skin/engine/SkinCommands.h"

#include <commctrl.h>
#include <dlgs.h>

namespace {

constexpr const wchar_t* kHostClasses[] = {
    L"DUIViewWndClassName", L"DirectUIHWND",       L"CtrlNotifySink",           L"FloatNotifySink",
    L"Address Band Root",   L"Breadcrumb Parent",  L"UniversalSearchBand",      L"SearchEditBoxWrapperClass",
    L"NamespaceTreeControl",
};
constexpr const wchar_t* kTravelBand = L"TravelBand";
constexpr const wchar_t* kFolderTreeWrapper = L"SHBrowseForFolder ShellNameSpace Control";

// A window class of the given name that only paints its background.
void RegisterPlainClass(const wchar_t* name)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassW(&wc);  // already there from an earlier test: fine
}

HWND MakeChild(const wchar_t* className, HWND parent, int x, int y, int w = 60, int h = 20, DWORD style = 0)
{
    return CreateWindowExW(0, className, L"x", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::vector<HWND> WindowAndDescendants(HWND window)
{
    std::vector<HWND> all{window};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

std::string ClassOf(HWND window)
{
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// A dialog of the system's class made from a template in memory (caption,
// modal frame, system menu, like a message box), shown modeless over the
// main window, so that the activation hook skins it as it skins the
// system's own. init makes its children in WM_INITDIALOG; with paintsWhite
// its own WM_PAINT fills the client area white, as a message box of common
// controls 6 fills its message area.
class TemplateDialog {
public:
    TemplateDialog(HWND owner, std::function<void(HWND)> init, bool paintsWhite = false)
        : init_(std::move(init)), paintsWhite_(paintsWhite)
    {
        std::vector<DWORD> buffer(64, 0);
        auto* t = reinterpret_cast<DLGTEMPLATE*>(buffer.data());
        t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER;
        t->cx = 220;
        t->cy = 120;
        // After the template: no menu, the default class, then the caption.
        auto* words = reinterpret_cast<WORD*>(t + 1);
        words[0] = 0;
        words[1] = 0;
        lstrcpyW(reinterpret_cast<wchar_t*>(words + 2), L"Tree");
        window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t, owner, Proc,
                                             reinterpret_cast<LPARAM>(this));
        PumpMessages();
    }
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;
    ~TemplateDialog()
    {
        if (IsWindow(window_))
            DestroyWindow(window_);
        PumpMessages();
    }
    HWND Window() const { return window_; }

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT msg, WPARAM, LPARAM lParam)
    {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            reinterpret_cast<TemplateDialog*>(lParam)->init_(window);
            return TRUE;
        }
        auto* self = reinterpret_cast<TemplateDialog*>(GetWindowLongPtrW(window, DWLP_USER));
        if (msg != WM_PAINT || !self || !self->paintsWhite_)
            return FALSE;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT client{};
        GetClientRect(window, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(window, &ps);
        return TRUE;
    }

    std::function<void(HWND)> init_;
    bool paintsWhite_;
    HWND window_ = nullptr;
};

// Only what was posted: the messages that come before any WM_PAINT.
void DispatchPostedMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

using SystemDialogTreesTest = MainWindowTest;

TEST_F(SystemDialogTreesTest, TheShellsHostsAndAllBelowThemKeepTheSystemLookUnderASkinnedFrame)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_COOL_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    for (const wchar_t* name : kHostClasses)
        RegisterPlainClass(name);
    RegisterPlainClass(kTravelBand);
    std::vector<HWND> hosts;
    HWND outside = nullptr, inPlainRebar = nullptr;
    TemplateDialog d(form->Handle(), [&](HWND dialog) {
        int y = 0;
        for (const wchar_t* name : kHostClasses) {
            HWND host = MakeChild(name, dialog, 4, y += 4, 300, 30);
            MakeChild(L"Button", host, 2, 2);
            // Deeper down too: an edit in a static in the host.
            MakeChild(L"Edit", MakeChild(L"Static", host, 70, 2, 100, 24), 2, 2);
            hosts.push_back(host);
        }
        HWND rebar = MakeChild(REBARCLASSNAMEW, dialog, 4, 60, 200, 30, CCS_NORESIZE);
        MakeChild(kTravelBand, rebar, 2, 2);
        MakeChild(L"Button", rebar, 70, 2);
        hosts.push_back(rebar);
        // A rebar without the travel band is no host.
        inPlainRebar = MakeChild(L"Button", MakeChild(REBARCLASSNAMEW, dialog, 4, 100, 200, 30, CCS_NORESIZE), 2, 2);
        outside = MakeChild(L"Button", dialog, 4, 140);
    });
    HWND dialog = d.Window();
    ASSERT_NE(dialog, nullptr);
    auto* frame = dynamic_cast<TacDialogWnd*>(TacMainWnd::FromWindow(dialog));
    ASSERT_NE(frame, nullptr) << "the dialog itself is skinned";
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU) << "its caption buttons are the skin's";
    EXPECT_NE(TacMainWnd::FromWindow(outside), nullptr) << "the walk ran";
    EXPECT_NE(TacMainWnd::FromWindow(inPlainRebar), nullptr);

    // Children a host makes later (at a folder change) stay plain as well.
    MakeChild(L"Button", hosts.front(), 2, 2);
    MakeChild(L"Edit", hosts.back(), 2, 2);
    PumpMessages();
    SendSkinCommand(dialog, TsSkinCommand(28));
    for (HWND host : hosts)
        for (HWND w : WindowAndDescendants(host))
            EXPECT_EQ(TacMainWnd::FromWindow(w), nullptr) << ClassOf(w) << " under " << ClassOf(host);
}

TEST_F(SystemDialogTreesTest, ADialogThatPaintsItsOwnWhiteBackgroundShowsTheSkinsColour)
{
    HWND text = nullptr;
    TemplateDialog d(form->Handle(), [&](HWND dialog) {
        text = MakeChild(L"Static", dialog, 60, 20, 200, 30);
        SetWindowTextW(text, L"Cannot open the file.");
        MakeChild(L"Button", dialog, 150, 120, 75, 23, BS_DEFPUSHBUTTON);
    }, true);
    HWND dialog = d.Window();
    ASSERT_NE(dialog, nullptr);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PumpMessages();
    // Above the text, between the text and the button (the "message area" and
    // the "button strip").
    ExpectSkinnedDialog(dialog, {20, 10});
    ExpectSkinnedDialog(dialog, {20, 130});
    EXPECT_NE(TacMainWnd::FromWindow(text), nullptr) << "the text paints itself, by its adapter";
}

TEST_F(SystemDialogTreesTest, ATreeInTheFolderPickersWrapperIsReachedAndSoAreChildrenMadeLater)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterPlainClass(kFolderTreeWrapper);
    HWND wrapper = nullptr, tree = nullptr;
    TemplateDialog d(form->Handle(), [&](HWND dialog) {
        wrapper = MakeChild(kFolderTreeWrapper, dialog, 10, 10, 300, 150);
        tree = MakeChild(WC_TREEVIEWW, wrapper, 0, 0, 300, 150, WS_BORDER);
    });
    ASSERT_NE(d.Window(), nullptr);
    EXPECT_NE(dynamic_cast<TacTransPanelWnd*>(TacMainWnd::FromWindow(wrapper)), nullptr) << "the wrapper shows through";
    EXPECT_NE(TacMainWnd::FromWindow(tree), nullptr) << "the tree in it is skinned";

    // Made after the first walk: adapted by what was posted meanwhile, before
    // they first paint.
    HWND lateTree = MakeChild(WC_TREEVIEWW, wrapper, 0, 0, 300, 150, WS_BORDER);
    HWND lateButton = MakeChild(L"Button", d.Window(), 10, 170, 75, 23);
    EXPECT_EQ(TacMainWnd::FromWindow(lateTree), nullptr) << "not during its creation";
    DispatchPostedMessages();
    EXPECT_NE(TacMainWnd::FromWindow(lateTree), nullptr);
    EXPECT_NE(TacMainWnd::FromWindow(lateButton), nullptr);
}

TEST_F(SystemDialogTreesTest, TheProgramsOpenDialogIsTheClassicOneWithTheHooksNestedDialogAndAListView)
{
    TempDir dir;
    dir.WriteFile("listed.txt", "x");
    dir.MakeFolder("inner");
    form->FileName1->SetText(dir.Path() + "\\");
    HWND dialog = nullptr, list = nullptr;
    ModalSteps run({[&] { return (dialog = FindVisibleDialog("Open")) != nullptr; },
                    [&] {
                        HWND nested = FindChildWindow(dialog, "#32770");
                        EXPECT_NE(nested, nullptr) << "the hook's own dialog";
                        EXPECT_NE(dynamic_cast<TacTransPanelWnd*>(TacMainWnd::FromWindow(nested)), nullptr)
                            << "the nested dialog is a transparent panel";
                        list = FindChildWindow(dialog, "SysListView32");
                        EXPECT_NE(list, nullptr);
                        EXPECT_NE(TacMainWnd::FromWindow(list), nullptr) << "the file list is skinned";
                        ExpectSkinnedDialog(dialog, {2, 2});
                        // Into the folder: the dialog makes its file list anew.
                        SetWindowTextW(GetDlgItem(dialog, cmb13), L"inner");
                        PressButton(dialog, "Open");
                        return true;
                    },
                    [&] {
                        HWND newList = FindChildWindow(dialog, "SysListView32");
                        if (!newList || newList == list)
                            return false;
                        EXPECT_NE(TacMainWnd::FromWindow(newList), nullptr) << "the new file list is skinned too";
                        PressButton(dialog, "Cancel");
                        return true;
                    }});
    form->FileName1->ButtonClick();
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(form->FileName1->Text(), dir.Path() + "\\") << "cancelled: the text stays";
}

}  // namespace
