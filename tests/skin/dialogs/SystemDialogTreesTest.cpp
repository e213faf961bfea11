// The system's dialogs as Windows 10 and 11 build them: a dialog from a
// template in memory holding windows of the shell's host classes, a folder
// picker's tree wrapper and a WM_PAINT of its own that fills white, and the
// program's own open dialog, the classic one with the hook's nested dialog.

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "skin/adapters/acMainWnd.h"
#include "skin/dialogs/DialogTestSupport.h"
#include "skin/dialogs/acTransPanelWnd.h"

#include <commctrl.h>
#include <dlgs.h>

namespace {

constexpr const wchar_t* kHostClasses[] = {
    L"DUIViewWndClassName", L"DirectUIHWND",        L"CtrlNotifySink",           L"FloatNotifySink",
    L"Address Band Root",   L"Breadcrumb Parent",   L"UniversalSearchBand",      L"SearchEditBoxWrapperClass",
    L"NamespaceTreeControl", L"TravelBand",          L"SHBrowseForFolder ShellNameSpace Control",
};

HWND MakeChild(const wchar_t* className, HWND parent, int x, int y, int w = 60, int h = 20, DWORD style = 0)
{
    return CreateWindowExW(0, className, L"x", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::vector<HWND> WithDescendants(HWND window)
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

// The test dialog's procedure: its children come from the function in
// lParam; its own WM_PAINT fills white, as a message box of common controls 6
// fills its message area.
INT_PTR CALLBACK WhitePaintingDialog(HWND window, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        (*reinterpret_cast<std::function<void(HWND)>*>(lParam))(window);
        return TRUE;
    }
    if (msg != WM_PAINT)
        return FALSE;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(window, &ps);
    return TRUE;
}

// A message box's styles, made modeless and shown, so the activation hook skins it.
HWND MakeTemplateDialog(HWND owner, std::function<void(HWND)> init)
{
    std::vector<DWORD> buffer(32, 0);  // after the template: no menu, the default class, no caption
    auto* t = reinterpret_cast<DLGTEMPLATE*>(buffer.data());
    t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER;
    t->cx = 220;
    t->cy = 140;
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t, owner, WhitePaintingDialog,
                                             reinterpret_cast<LPARAM>(&init));
    PumpMessages();
    return dialog;
}

// Only what was posted: the messages that come before any WM_PAINT.
void DispatchPostedMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE))
        DispatchMessageW(&msg);
}

using SystemDialogTreesTest = MainWindowTest;

TEST_F(SystemDialogTreesTest, ShellHostsStayPlainUnderASkinnedFrameOverAWhitePaintingDialogAndLateChildrenAreReached)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_COOL_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    for (const wchar_t* name : kHostClasses) {
        WNDCLASSW wc{0, DefWindowProcW, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr,
                     reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr, name};
        RegisterClassW(&wc);  // there already from an earlier run of the test: fine
    }
    std::vector<HWND> hosts;
    HWND plainRebarButton = nullptr, wrapper = nullptr, tree = nullptr;
    HWND dialog = MakeTemplateDialog(form->Handle(), [&](HWND d) {
        for (int i = 0; i < 9; ++i) {
            HWND host = MakeChild(kHostClasses[i], d, 120, 4 + 4 * i, 200, 30);
            MakeChild(L"Button", host, 2, 2);
            MakeChild(L"Edit", MakeChild(L"Static", host, 70, 2, 100, 24), 2, 2);  // deeper down too
            hosts.push_back(host);
        }
        hosts.push_back(MakeChild(REBARCLASSNAMEW, d, 120, 80, 200, 30, CCS_NORESIZE));
        MakeChild(kHostClasses[9], hosts.back(), 2, 2);  // the travel band makes the rebar a host
        MakeChild(L"Button", hosts.back(), 70, 2);
        plainRebarButton = MakeChild(L"Button", MakeChild(REBARCLASSNAMEW, d, 120, 120, 200, 30, CCS_NORESIZE), 2, 2);
        wrapper = MakeChild(kHostClasses[10], d, 120, 160, 200, 60);
        tree = MakeChild(WC_TREEVIEWW, wrapper, 0, 0, 200, 60);
    });
    ASSERT_NE(dialog, nullptr);
    // The frame, and the background in the white "message area" and "button strip".
    ExpectSkinnedDialog(dialog, {10, 10});
    ExpectSkinnedDialog(dialog, {10, 200});
    EXPECT_NE(TacMainWnd::FromWindow(plainRebarButton), nullptr) << "a rebar without the travel band is no host";
    EXPECT_NE(dynamic_cast<TacTransPanelWnd*>(TacMainWnd::FromWindow(wrapper)), nullptr);
    EXPECT_NE(TacMainWnd::FromWindow(tree), nullptr) << "the tree in the folder picker's wrapper";

    // Made after the first walk: adapted by what was posted meanwhile, before
    // they first paint; in a host, not even then.
    HWND lateTree = MakeChild(WC_TREEVIEWW, wrapper, 0, 0, 200, 60);
    HWND lateButton = MakeChild(L"Button", dialog, 10, 40);
    MakeChild(L"Button", hosts.front(), 2, 2);
    EXPECT_EQ(TacMainWnd::FromWindow(lateTree), nullptr) << "not while it is being made";
    DispatchPostedMessages();
    EXPECT_NE(TacMainWnd::FromWindow(lateTree), nullptr);
    EXPECT_NE(TacMainWnd::FromWindow(lateButton), nullptr);
    for (std::size_t i = 0; i < hosts.size(); ++i)
        for (HWND w : WithDescendants(hosts[i]))
            EXPECT_EQ(TacMainWnd::FromWindow(w), nullptr) << "a window in host " << i;
    DestroyWindow(dialog);
}

TEST_F(SystemDialogTreesTest, TheOpenDialogHasTheHooksNestedDialogAndASkinnedListAlsoAfterAFolderChange)
{
    TempDir dir;
    dir.MakeFolder("inner");
    form->FileName1->SetText(dir.Path() + "\\");
    HWND dialog = nullptr, list = nullptr;
    ModalSteps run({[&] { return (dialog = FindVisibleDialog("Open")) != nullptr; },
                    [&] {
                        ExpectSkinnedDialog(dialog, {2, 2});
                        HWND nested = FindChildWindow(dialog, "#32770");
                        EXPECT_NE(dynamic_cast<TacTransPanelWnd*>(TacMainWnd::FromWindow(nested)), nullptr)
                            << "the hook's nested dialog, a transparent panel";
                        list = FindChildWindow(dialog, "SysListView32");
                        EXPECT_NE(TacMainWnd::FromWindow(list), nullptr) << "the file list";
                        // Into the folder: the dialog makes its file list anew.
                        SetWindowTextW(GetDlgItem(dialog, cmb13), L"inner");
                        PressButton(dialog, "Open");
                        return true;
                    },
                    [&] {
                        HWND newList = FindChildWindow(dialog, "SysListView32");
                        if (!newList || newList == list)
                            return false;
                        EXPECT_NE(TacMainWnd::FromWindow(newList), nullptr) << "the new file list";
                        PressButton(dialog, "Cancel");
                        return true;
                    }});
    form->FileName1->ButtonClick();
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(form->FileName1->Text(), dir.Path() + "\\") << "cancelled: the text stays";
}

}  // namespace
