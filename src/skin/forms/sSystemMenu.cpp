#include "skin/forms/sSystemMenu.h"

#include "skin/frame/FrameGeometry.h"
#include "toolkit/Handles.h"

TsSystemMenu::TsSystemMenu()
    : items_{{{"ItemRestore", "Restore", SC_RESTORE},
              {"ItemMove", "Move", SC_MOVE},
              {"ItemSize", "Size", SC_SIZE},
              {"ItemMinimize", "Minimize", SC_MINIMIZE},
              {"ItemMaximize", "Maximize", SC_MAXIMIZE},
              {"ItemClose", "Close\tAlt+F4", SC_CLOSE}}}
{
}

void TsSystemMenu::UpdateItems(const TsSystemMenuState& s)
{
    auto set = [&](Item item, bool visible, bool enabled) {
        items_[std::size_t(item)].Visible = visible;
        items_[std::size_t(item)].Enabled = enabled;
    };
    set(itRestore, s.hadSystemMenu && (s.mdiChild || s.singleOrSizeable),
        (s.biMaximize && (s.maximized || s.minimized)) || s.minimized);
    set(itMove, true, !s.maximized);
    set(itSize, s.mdiChild || s.sizeableStyle, !s.singleBorder && !s.minimized);
    set(itMinimize, s.minVisible, s.biMinimize && !s.minimized);
    set(itMaximize, s.maxVisible, s.biMaximize && (s.mdiChild || (!s.maximized && s.singleOrSizeable)));
    set(itClose, s.hadSystemMenu, true);
}

namespace {

// The skins as radio items, a new column after every 20.
HMENU SkinListMenu(const std::vector<std::string>& skins, const std::string& current)
{
    HMENU list = CreatePopupMenu();
    for (std::size_t i = 0; list && i < skins.size(); ++i) {
        UINT flags = MF_STRING | (i > 0 && i % 20 == 0 ? MF_MENUBARBREAK : 0) | (skins[i] == current ? MF_CHECKED : 0);
        AppendMenuA(list, flags, TsSystemMenu::SkinCommand(i), skins[i].c_str());
        MENUITEMINFOA radio{};
        radio.cbSize = sizeof radio;
        radio.fMask = MIIM_FTYPE;
        radio.fType = MFT_RADIOCHECK | (i > 0 && i % 20 == 0 ? MFT_MENUBARBREAK : 0);
        SetMenuItemInfoA(list, TsSystemMenu::SkinCommand(i), FALSE, &radio);
    }
    return list;
}

}  // namespace

UINT TsSystemMenu::Popup(HWND owner, POINT at, const std::vector<std::string>& skins,
                         const std::string& currentSkin) const
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return 0;
    if (!skins.empty()) {
        // The submenu belongs to the menu from here on and goes with it.
        if (HMENU list = SkinListMenu(skins, currentSkin)) {
            AppendMenuA(menu.Get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(list), "Available skins");
            AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
        }
    }
    for (const TsSystemMenuItem& item : items_) {
        if (!item.Visible)
            continue;
        if (item.Command == SC_CLOSE && GetMenuItemCount(menu.Get()) > 0)
            AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu.Get(), MF_STRING | (item.Enabled ? MF_ENABLED : MF_GRAYED), item.Command, item.Caption);
    }
    // The menu's own window must belong to the foreground window to close on a click elsewhere.
    SetForegroundWindow(owner);
    UINT chosen = UINT(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                      at.x, at.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}

TsSystemMenuState SystemMenuStateOf(const TsFormFrameState& f, const TsFrameGeometry& g)
{
    TsSystemMenuState s;
    s.hadSystemMenu = f.hadSystemMenu;
    s.mdiChild = f.mdiChild;
    s.singleOrSizeable = f.style == TsFrameStyle::bsSingle || f.style == TsFrameStyle::bsSizeable;
    s.sizeableStyle = s.singleOrSizeable || f.style == TsFrameStyle::bsSizeToolWin;
    s.singleBorder = f.style == TsFrameStyle::bsSingle;
    s.biMaximize = f.icons & fiMaximize;
    s.biMinimize = f.icons & fiMinimize;
    s.minimized = f.minimized;
    s.maximized = f.maximized;
    s.maxVisible = g.maxVisible;
    s.minVisible = g.minVisible;
    return s;
}
