#include "skin/dialogs/acDialogChildren.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "skin/adapters/acAdapterState.h"
#include "skin/adapters/acEditWnd.h"
#include "skin/dialogs/ShellHostWindows.h"
#include "skin/dialogs/acBtnWnd.h"
#include "skin/dialogs/acComboBoxWnd.h"
#include "skin/dialogs/acStaticWnd.h"
#include "skin/dialogs/acTransPanelWnd.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"

namespace {

constexpr LONG kToolbarWrapable = 0x200;
constexpr LONG kTabButtons = 0x2000;
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
    if ((style & 3) == 3 || (style & 0xE) == 0xE)
        return MakeWindowAdapter<TacIconWnd>(true, child, manager);
    if ((style & 0xD) == 0xD || type == SS_GRAYRECT || type == SS_WHITERECT || type == SS_SIMPLE)
        return nullptr;
    return MakeWindowAdapter<TacStaticWnd>(true, child, manager);
}

TacWindowAdapterPtr ButtonAdapter(HWND child, LONG style, TsSkinManager* manager)
{
    LONG type = style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW || type == BS_USERBUTTON)
        return nullptr;  // drawn by their owner
    if ((type & 7) == 7)
        return nullptr;  // group boxes keep the window system's look
    if ((type & 3) == 3 || (type & 2) || (type & 5) == 5 || (type & 9) == 9 || (type & 4))
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
    if (name == "combobox")
        return MakeWindowAdapter<TacComboBoxWnd>(true, child, manager);
    if (name == "combolbox")
        return MakeWindowAdapter<TacEditWnd>(true, child, "COMBOBOX", manager, nullptr);
    if (name == "scrollbar")
        return ScrollBarAdapter(child, style, manager);
    if (name == "edit" || name == "listbox" || name == "syslistview32" || name == "systreeview32")
        return MakeWindowAdapter<TacEditWnd>(true, child, "EDIT", manager, nullptr);
    if (name == "toolbarwindow32")
        return MakeWindowAdapter<TacToolBarWnd>(true, child, (style & kToolbarWrapable) ? "BAR" : "CHECKBOX",
                                                manager);
    return nullptr;
}

namespace {

bool HasRefusedTabControl(HWND parent)
{
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HasRefusedTabControl(child))
            return true;
        if (LowerClassName(child) != "systabcontrol32" || (GetWindowLongW(child, GWL_STYLE) & kTabButtons))
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
