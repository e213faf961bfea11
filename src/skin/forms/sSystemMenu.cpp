#include "skin/forms/sSystemMenu.h"

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

UINT TsSystemMenu::Popup(HWND owner, POINT at) const
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return 0;
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
