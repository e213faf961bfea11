#pragma once
// TacInsideWnd: the adapter of a dialog's edits, list views (the open-file
// dialog's file list) and tree views (the folder picker's). Frame and bars
// are an edit's. Where the skin's colours stand in for the system's
// (acInsideColors.h), an edit takes them from the dialog's WM_CTLCOLOREDIT
// answer and repaints once it is adapted; a list or tree view, which keeps
// its colours apart from any such answer, has them set, and put back as they
// were when the skin leaves or changes to one that keeps the system's colours.
// The combo box adapter answers for a ComboBoxEx32 between them and the dialog.

#include <windows.h>

#include <commctrl.h>

#include "skin/adapters/acEditWnd.h"
#include "skin/dialogs/acDialogInsideColors.h"

enum class TacInsideKind { Edit, ListView, TreeView };

class TacInsideWnd : public TacEditWnd {
public:
    // section: the skin section of the frame ("EDIT", "COMBOBOX" for a combo box's list).
    TacInsideWnd(HWND window, TacInsideKind kind, const std::string& section, TsSkinManager* manager);

protected:
    void StoreControlState() override;
    void RestoreControlState() override;
    void ApplySkin() override;
    void AfterSubclass(bool subclass) override;

private:
    struct ViewColors {
        COLORREF Background = CLR_NONE, TextBackground = CLR_NONE, Text = CLR_NONE;
    };
    ViewColors Read() const;
    void Set(const ViewColors& colors);

    TacInsideKind kind_;
    ViewColors design_;
    bool changed_ = false;
};
