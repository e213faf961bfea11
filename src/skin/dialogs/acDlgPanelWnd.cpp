#include "skin/dialogs/acDlgPanelWnd.h"

#include "skin/engine/SkinCommands.h"

TacDlgPanelWnd::TacDlgPanelWnd(HWND window, TsSkinManager* manager) : TacTransPanelWnd(window, "PANEL", manager) {}

void TacDlgPanelWnd::WndProc(TMessage& m)
{
    // What lies behind a child is the panel's own cache (the binding answers).
    if (IsActive() && m.Msg == SM_SKINCMD && SkinCmdOf(m.WParam) == scQueryBackground) {
        SendSkinCommand(Window(), scMakeCache);
        TacMainWnd::WndProc(m);
        return;
    }
    TacTransPanelWnd::WndProc(m);
}
