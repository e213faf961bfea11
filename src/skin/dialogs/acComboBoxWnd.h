#pragma once
// TacComboBoxWnd: the adapter of a dialog's combo boxes. The combo box
// paints its items itself, into the adapter's cache; the adapter then lays
// the skin's COMBOBOX border over its edge and the skin's COMBOBTN with the
// arrow glyph over its drop-down button (pressed while the list is down, hot
// under the mouse), and copies the whole to the window, its children left out.

#include "skin/adapters/acMainWnd.h"

class TacComboBoxWnd : public TacMainWnd {
public:
    TacComboBoxWnd(HWND window, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

private:
    void Paint(TMessage& m);
    void PaintSkinOver(View24 pixels, const Rect& button, int buttonState);
    int ButtonState(const COMBOBOXINFO& info) const;
};
