#pragma once
// TacComboBoxWnd: the adapter of a dialog's combo boxes. The combo box
// paints its items itself, into the adapter's cache; the adapter then lays
// the skin's COMBOBOX border over its edge and the skin's COMBOBTN with the
// arrow glyph over its drop-down button (pressed while the list is down, hot
// under the mouse), and copies the whole to the window, its children left out.
// The drop-down list is a popup of the desktop, not a child of the dialog:
// the adapter gives it the edit adapter (dialog look, COMBOBOX section) when
// it first drops down, passes the engine's commands on to it and frees it
// with itself.

#include "skin/adapters/acMainWnd.h"
#include "skin/dialogs/acDialogInsideColors.h"

class TacComboBoxWnd : public TacMainWnd {
public:
    TacComboBoxWnd(HWND window, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

    // The drop-down list's adapter; nullptr before the list first drops down.
    TacMainWnd* ListAdapter() const { return list_.get(); }

protected:
    void DetachLayer() override { list_.reset(); }

private:
    void AdaptList();
    void Paint(TMessage& m);
    void PaintSkinOver(View24 pixels, const Rect& button, int buttonState);
    int ButtonState(const COMBOBOXINFO& info) const;
    bool HandleCommand(TMessage& m);

    TacWindowAdapterPtr list_;
    TacDialogInsideColors insideColors_;
};
