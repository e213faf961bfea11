#include "skin/dialogs/acDialogChildren.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "skin/adapters/acAdapterState.h"
#include "skin/adapters/acEditWnd.h"
#include "skin/dialogs/ShellHostWindows.h"
#include "skin/dialogs/acBtnWnd.h"
#include "skin/dialogs/acComboBoxWnd.h"
#include "skin/dialogs/acDlgPanelWnd.h"
#include "skin/dialogs/acGroupBoxWnd.h"
#include "skin/dialogs/acInsideWnd.h"
#include "skin/dialogs/acLinkWnd.h"
#include "skin/dialogs/acSpinWnd.h"
#include "skin/dialogs/acTabControlWnd.h"
#include "skin/dialogs/acStaticWnd.h"
#include "skin/dialogs/acTransPanelWnd.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"

namespace {

constexpr int kRefusedTabWidth = 470, kRefusedTabHeight = 349;

std::string LowerClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

TacWindowAdapterPtr StaticAdapter(HWND child, LONG style, TsSkinManager* manager)
{
    LONG type = style & SS_TYPEMASK;
    // Bit tests as the types are compared: SS_BLACKFRAME, SS_SIMPLE and
    // SS_ENHMETAFILE pass for icons too, and SS_OWNERDRAW's bits stop the rest.
    if ((style & SS_ICON) == SS_ICON || (style & SS_BITMAP) == SS_BITMAP)
        return MakeWindowAdapter<TacIconWnd>(true, child, manager);
    if ((style & SS_OWNERDRAW) == SS_OWNERDRAW || type == SS_GRAYRECT || type == SS_WHITERECT || type == SS_SIMPLE)
        return nullptr;
    return MakeWindowAdapter<TacStaticWnd>(true, child, manager);
}

TacWindowAdapterPtr ButtonAdapter(HWND child, LONG style, TsSkinManager* manager)
{
    LONG type = style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW || type == BS_USERBUTTON)
        return nullptr;  // drawn by their owner
    if ((type & BS_GROUPBOX) == BS_GROUPBOX)
        return MakeWindowAdapter<TacGroupBoxWnd>(true, child, manager);
    // Bit tests: every check box and radio button type has one of these bits.
    if ((type & BS_AUTOCHECKBOX) == BS_AUTOCHECKBOX || (type & BS_CHECKBOX) || (type & BS_3STATE) == BS_3STATE ||
        (type & BS_AUTORADIOBUTTON) == BS_AUTORADIOBUTTON || (type & BS_RADIOBUTTON))
        return MakeWindowAdapter<TacCheckBoxWnd>(true, child, manager);
    return MakeWindowAdapter<TacBtnWnd>(true, child, "BUTTON", manager);
}

// A size grip: the skin's grip image over the dialog's background.
TacWindowAdapterPtr ScrollBarAdapter(HWND child, LONG style, TsSkinManager* manager)
{
    if (!(style & (SBS_SIZEGRIP | SBS_SIZEBOX)))
        return nullptr;
    return MakeWindowAdapter<TacSizerWnd>(true, child, manager);
}

}  // namespace

TacWindowAdapterPtr MakeDialogChildAdapter(HWND child, TsSkinManager* manager)
{
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if (!(style & WS_CHILD))
        return nullptr;
    const std::string name = LowerClassName(child);
    if (name == "static")
        return StaticAdapter(child, style, manager);
    if (name == "button")
        return ButtonAdapter(child, style, manager);
    if (name == "#32770" || name.find("shbrowseforfolder") != std::string::npos)
        return MakeWindowAdapter<TacTransPanelWnd>(true, child, "CHECKBOX", manager);
    if (name == "combobox" || name == "comboboxex32")
        return MakeWindowAdapter<TacComboBoxWnd>(true, child, manager);
    if (name == "combolbox")
        return MakeWindowAdapter<TacInsideWnd>(true, child, TacInsideKind::Edit, "COMBOBOX", manager);
    if (name == "tpanel" || name == "tsilentpaintpanel")
        return MakeWindowAdapter<TacDlgPanelWnd>(true, child, manager);
    if (name == "systabcontrol32")
        return (style & TCS_BUTTONS) ? nullptr : MakeWindowAdapter<TacTabControlWnd>(true, child, manager);
    if (name == "msctls_updown32")
        return MakeWindowAdapter<TacSpinWnd>(true, child, manager);
    if (name == "syslink" || name == "link window")
        return MakeWindowAdapter<TacLinkWnd>(true, child, manager);
    if (name == "scrollbar")
        return ScrollBarAdapter(child, style, manager);
    if (name == "edit" || name == "listbox")
        return MakeWindowAdapter<TacInsideWnd>(true, child, TacInsideKind::Edit, "EDIT", manager);
    if (name == "syslistview32")
        return MakeWindowAdapter<TacInsideWnd>(true, child, TacInsideKind::ListView, "EDIT", manager);
    if (name == "systreeview32")
        return MakeWindowAdapter<TacInsideWnd>(true, child, TacInsideKind::TreeView, "EDIT", manager);
    if (name == "toolbarwindow32")
        return MakeWindowAdapter<TacToolBarWnd>(true, child, (style & TBSTYLE_WRAPABLE) ? "BAR" : "CHECKBOX",
                                                manager);
    return nullptr;
}

namespace {

bool HasRefusedTabControl(HWND parent)
{
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HasRefusedTabControl(child))
            return true;
        if (LowerClassName(child) != "systabcontrol32" || (GetWindowLongW(child, GWL_STYLE) & TCS_BUTTONS))
            continue;
        RECT r{};
        GetWindowRect(child, &r);
        if (r.right - r.left == kRefusedTabWidth && r.bottom - r.top == kRefusedTabHeight)
            return true;
    }
    return false;
}

}  // namespace

bool RefusesDialogSkin(HWND dialog)
{
    return HasRefusedTabControl(dialog);
}

void TacDialogChildren::AttachAll(HWND dialog, TsSkinManager* manager)
{
    std::erase_if(adapters_, [](const TacWindowAdapterPtr& a) { return a->Destroyed(); });
    TsEngineFlag forDialog(AdapterState().SkinningDialog);
    Visit(dialog, manager);
}

void TacDialogChildren::Visit(HWND parent, TsSkinManager* manager)
{
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsShellHostWindow(child))
            continue;  // the shell's framework keeps its own look, all the way down
        Visit(child, manager);
        // A window with an adapter (active or not) is never adapted again.
        if (TacMainWnd::FromWindow(child) || SendSkinCommand(child, scQueryHandled) == 1)
            continue;
        if (TacWindowAdapterPtr adapter = MakeDialogChildAdapter(child, manager))
            adapters_.push_back(std::move(adapter));
    }
}

void TacDialogChildren::Clear()
{
    while (!adapters_.empty())
        adapters_.pop_back();
}
