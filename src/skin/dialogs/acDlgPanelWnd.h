#pragma once
// TacDlgPanelWnd: the adapter of the toolkit's panels ("TPanel",
// "TSilentPaintPanel") met inside a dialog of the system. The panel shows
// the skin's PANEL section where its children leave room, and its children
// take their background from it, not from the dialog behind.

#include "skin/dialogs/acTransPanelWnd.h"

class TacDlgPanelWnd : public TacTransPanelWnd {
public:
    TacDlgPanelWnd(HWND window, TsSkinManager* manager);
    void WndProc(TMessage& m) override;
};
