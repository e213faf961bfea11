#include "skin/dialogs/acInsideWnd.h"

#include "skin/adapters/acInsideColors.h"
#include "skin/engine/SkinCommands.h"

TacInsideWnd::TacInsideWnd(HWND window, TacInsideKind kind, const std::string& section, TsSkinManager* manager)
    : TacEditWnd(window, section, manager, nullptr), kind_(kind)
{
}

TacInsideWnd::ViewColors TacInsideWnd::Read() const
{
    HWND w = Window();
    switch (kind_) {
    case TacInsideKind::TreeView:
        return {COLORREF(SendMessageW(w, TVM_GETBKCOLOR, 0, 0)), CLR_NONE,
                COLORREF(SendMessageW(w, TVM_GETTEXTCOLOR, 0, 0))};
    case TacInsideKind::ListView:
        return {COLORREF(SendMessageW(w, LVM_GETBKCOLOR, 0, 0)), COLORREF(SendMessageW(w, LVM_GETTEXTBKCOLOR, 0, 0)),
                COLORREF(SendMessageW(w, LVM_GETTEXTCOLOR, 0, 0))};
    case TacInsideKind::Edit:
        break;
    }
    return {};
}

void TacInsideWnd::Set(const ViewColors& c)
{
    HWND w = Window();
    if (kind_ == TacInsideKind::TreeView) {
        SendMessageW(w, TVM_SETBKCOLOR, 0, LPARAM(c.Background));
        SendMessageW(w, TVM_SETTEXTCOLOR, 0, LPARAM(c.Text));
    } else if (kind_ == TacInsideKind::ListView) {
        SendMessageW(w, LVM_SETBKCOLOR, 0, LPARAM(c.Background));
        SendMessageW(w, LVM_SETTEXTBKCOLOR, 0, LPARAM(c.TextBackground));
        SendMessageW(w, LVM_SETTEXTCOLOR, 0, LPARAM(c.Text));
    }
    InvalidateRect(w, nullptr, TRUE);
}

void TacInsideWnd::StoreControlState()
{
    TacEditWnd::StoreControlState();
    design_ = Read();
}

void TacInsideWnd::RestoreControlState()
{
    if (changed_ && IsWindow(Window()))
        Set(design_);
    changed_ = false;
    TacEditWnd::RestoreControlState();
}

void TacInsideWnd::AfterSubclass(bool subclass)
{
    TacEditWnd::AfterSubclass(subclass);
    // The window was painted in the system's colours before it was adapted,
    // and nothing else repaints it.
    if (SkinInsideColors(SkinManager()))
        ApplySkin();
}

void TacInsideWnd::ApplySkin()
{
    TacEditWnd::ApplySkin();
    std::optional<TsInsideColors> skin = SkinInsideColors(SkinManager());
    if (skin) {
        Set({skin->Window, skin->Window, skin->Text});
        changed_ = true;
    } else if (changed_) {
        Set(design_);
        changed_ = false;
    }
}
