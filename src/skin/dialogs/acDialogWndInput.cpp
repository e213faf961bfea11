// The dialog adapter and the mouse on its caption: what the caption input
// asks of a dialog, activation and system commands.

#include "skin/dialogs/acDialogWnd.h"

#include "skin/engine/sCommonData.h"
#include "toolkit/Handles.h"

int TacDialogWnd::CaptionButtonHeight() const
{
    return MeasureCaptionImages(SkinData().Section().Model, slots_).buttonHeight;
}

void TacDialogWnd::PassOn(TMessage& m)
{
    // The caption's hit test and left button go straight to the old handler;
    // the rest passes the scroll-bar layer on the way.
    if (m.Msg == WM_NCHITTEST || m.Msg == WM_NCLBUTTONDOWN || m.Msg == WM_NCLBUTTONUP)
        CallOldHandler(m);
    else
        TacScrollWnd::WndProc(m);
}

void TacDialogWnd::ButtonHitByMouse()
{
    // The button must lose its hot look when the mouse leaves the window.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, Window(), 0};
    TrackMouseEvent(&track);
}

int TacDialogWnd::IconBottom(const TsFrameGeometry& g) const
{
    return g.frameHeight + GetSystemMetrics(SM_CYSMICON);
}

bool TacDialogWnd::CaptionDoubleClickSizes() const
{
    TsCaptionButtonRules rules = ButtonRules();
    return rules.maxEnabled || rules.restoreEnabled;
}

void TacDialogWnd::CloseFromIcon()
{
    SendMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TacDialogWnd::Activation(TMessage& m)
{
    if (!IsVisible()) {
        active_ = LOWORD(m.WParam) != 0;
        TacScrollWnd::WndProc(m);
        return;
    }
    caption_.PassFrozen(m);
    active_ = LOWORD(m.WParam) != 0;
    SkinData().CacheInvalid = true;
    Redraw(RDW_FRAME | RDW_ALLCHILDREN | RDW_INVALIDATE);
}

void TacDialogWnd::SysCommand(TMessage& m)
{
    // The system keeps the four low bits of a WM_SYSCOMMAND for itself.
    UINT command = UINT(m.WParam & 0xFFF0);
    if (caption_.KeyMenu(m))
        return;
    TacScrollWnd::WndProc(m);
    if (Destroyed() || (command != SC_MAXIMIZE && command != SC_RESTORE))
        return;
    if (style_ & WS_MAXIMIZEBOX) {
        slots_[cbMaximize].State = 0;
        RepaintButton(cbMaximize);
    } else {
        caption_.SetHotHitCode(0);
    }
}
