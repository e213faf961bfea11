#pragma once
// TsSystemMenu: a skinned form's own system menu, shown instead of the
// window system's (which the skin switches off with WS_SYSMENU). Six items
// whose visible and enabled states follow the form's border, icons and
// window state; choosing one sends its system command to the form.

#include <windows.h>

#include <array>
#include <string>
#include <vector>

struct TsSystemMenuItem {
    const char* Name;
    const char* Caption;
    UINT Command;
    bool Visible = true;
    bool Enabled = true;
};

// The facts the items' rules read.
struct TsSystemMenuState {
    bool hadSystemMenu = true;
    bool mdiChild = false;
    bool singleOrSizeable = true;  // BorderStyle bsSingle or bsSizeable
    bool sizeableStyle = true;     // bsSingle, bsSizeable or bsSizeToolWin (a Size item exists)
    bool singleBorder = false;     // bsSingle
    bool biMaximize = true;
    bool biMinimize = true;
    bool minimized = false;
    bool maximized = false;
    bool maxVisible = true;
    bool minVisible = true;
};

struct TsFormFrameState;
struct TsFrameGeometry;
// The facts of a skinned window's frame (a form's or a dialog's).
TsSystemMenuState SystemMenuStateOf(const TsFormFrameState& frame, const TsFrameGeometry& geometry);

class TsSystemMenu {
public:
    enum Item { itRestore, itMove, itSize, itMinimize, itMaximize, itClose, kItemCount };

    TsSystemMenu();
    const TsSystemMenuItem& ItemAt(Item item) const { return items_[std::size_t(item)]; }
    // Applies the visible and enabled rules.
    void UpdateItems(const TsSystemMenuState& state);
    // Shows the menu at a screen point for a form's window; the chosen
    // item's command, or 0 when the menu closed without a choice. With
    // skins, the menu starts with "Available skins", whose items (the
    // current one checked) answer SkinCommand(i) for skin i.
    UINT Popup(HWND owner, POINT at, const std::vector<std::string>& skins = {},
               const std::string& currentSkin = {}) const;
    static constexpr UINT kFirstSkinCommand = 0x1000;  // below every system command (0xF000 and up)
    static UINT SkinCommand(std::size_t i) { return kFirstSkinCommand + UINT(i); }

private:
    std::array<TsSystemMenuItem, kItemCount> items_;
};
