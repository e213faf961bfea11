// The dialog adapter and the mouse on its caption: hit codes, the caption
// buttons' hot and pressed states, double clicks, the system menu,
// activation and system commands.

#include "skin/dialogs/acDialogWnd.h"

#include <windowsx.h>

#include "skin/engine/sCommonData.h"
#include "toolkit/Handles.h"

void TacDialogWnd::HitTest(TMessage& m)
{
    TsFrameGeometry g = Geometry();
    TsCaptionButtonLayout layout;
    for (std::size_t b = 0; b < slots_.size(); ++b)
        layout.buttons[b] = {!slots_[b].Place.IsEmpty(), slots_[b].Place};
    int height = MeasureCaptionImages(SkinData().Section().Model, slots_).buttonHeight;
    int code = CaptionHitCode(WindowPoint(Window(), m.LParam), g, DialogFrameState(Facts()), layout, ButtonRules(),
                              height);
    if (code == htNowhere || code == htSkinCaption) {
        SetHotHitCode(0);
        CallOldHandler(m);
        return;
    }
    if (code == htSkinTransparent)
        SetHotHitCode(0);
    else
        SetHotHitCode(code);
    if (CaptionButtonOfHit(code) >= 0) {
        // The button must lose its hot look when the mouse leaves the window.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, Window(), 0};
        TrackMouseEvent(&track);
    }
    m.Result = code;
}

void TacDialogWnd::SetHotHitCode(int code)
{
    if (ChangeHotButton(slots_, hotHitCode_, code, [this](TsCaptionButton b) { RepaintButton(b); }))
        DialogState().DialogButtonPressed = false;
}

void TacDialogWnd::PressButton(int code)
{
    if (CaptionButtonOfHit(code) == cbMaximize) {
        TsCaptionButtonRules rules = ButtonRules();
        if (!(rules.maxEnabled || (IsZoomed(Window()) && rules.restoreEnabled))) {
            SetHotHitCode(0);
            return;
        }
    }
    ShowButtonPressed(slots_, hotHitCode_, code, [this](TsCaptionButton b) { RepaintButton(b); });
    DialogState().DialogButtonPressed = CaptionButtonOfHit(code) >= 0;
}

void TacDialogWnd::NcLButtonDown(TMessage& m)
{
    HWND window = Window();
    int code = int(m.WParam);
    m.Result = 0;
    if (code == htSkinSysMenu) {
        SetHotHitCode(0);
        RECT w{};
        GetWindowRect(window, &w);
        TsFrameGeometry g = Geometry();
        PopupSystemMenu({w.left + g.frameWidth, w.top + g.frameHeight + GetSystemMetrics(SM_CYSMICON)});
        return;
    }
    if (CaptionButtonOfHit(code) >= 0) {
        PressButton(code);
        return;
    }
    SetHotHitCode(0);
    if (TakePressOfSizedWindow(window, m.LParam, Geometry()))
        return;
    CallOldHandler(m);
}

void TacDialogWnd::ButtonUp(TMessage& m)
{
    HWND window = Window();
    bool& pressed = DialogState().DialogButtonPressed;
    int code = int(m.WParam);
    int button = CaptionButtonOfHit(code);
    bool over = false;
    if (button >= 0) {
        Rect place = slots_[std::size_t(button)].Place;  // both edges belong to a button
        over = Rect{place.left, place.top, place.right + 1, place.bottom + 1}.Contains(WindowPoint(window, m.LParam));
    }
    m.Result = 0;
    switch (code) {
    case htSkinMinimize:
        if (pressed && over) {
            SetHotHitCode(0);
            SendMessageW(window, WM_SYSCOMMAND, IsIconic(window) ? SC_RESTORE : SC_MINIMIZE, 0);
        } else if (pressed) {
            CallOldHandler(m);
        } else {
            SetHotHitCode(0);
        }
        return;
    case htSkinMaximize: {
        bool wasPressed = pressed;
        SetHotHitCode(0);
        if (wasPressed) {
            SendMessageW(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
            UpdateSystemMenu();
        }
        return;
    }
    case htSkinClose:
        if (pressed) {
            slots_[cbClose].State = 0;
            pressed = false;
            hotHitCode_ = 0;
            SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return;
    case htSkinHelp:
        if (pressed) {
            SendMessageW(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
            UpdateSystemMenu();
            SendMessageW(window, WM_NCPAINT, 1, 0);
        }
        SetHotHitCode(0);
        return;
    default:
        CallOldHandler(m);
        return;
    }
}

void TacDialogWnd::NcLButtonDblClk(TMessage& m)
{
    HWND window = Window();
    m.Result = 0;
    if (m.WParam == htSkinCaption) {
        TsCaptionButtonRules rules = ButtonRules();
        if (rules.maxEnabled || rules.restoreEnabled) {
            bool restore = IsZoomed(window) || IsIconic(window);
            SendMessageW(window, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MAXIMIZE, 0);
            UpdateSystemMenu();
        }
    } else if (m.WParam == htSkinSysMenu) {
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void TacDialogWnd::NcRButton(TMessage& m)
{
    bool onCaption = m.WParam == htSkinCaption || m.WParam == htSkinSysMenu;
    m.Result = 0;
    if (m.Msg == WM_NCRBUTTONDOWN) {
        if (!onCaption)
            TacScrollWnd::WndProc(m);
        return;
    }
    if (onCaption) {
        SetHotHitCode(0);
        PopupSystemMenu({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    }
}

void TacDialogWnd::Activation(TMessage& m)
{
    HWND window = Window();
    if (!IsVisible()) {
        active_ = LOWORD(m.WParam) != 0;
        TacScrollWnd::WndProc(m);
        return;
    }
    // The window system paints its own caption here: not while redrawing is off.
    {
        RedrawOffGuard quiet(window);
        TacScrollWnd::WndProc(m);
        active_ = LOWORD(m.WParam) != 0;
    }
    SkinData().CacheInvalid = true;
    Redraw(RDW_FRAME | RDW_ALLCHILDREN | RDW_INVALIDATE);
}

void TacDialogWnd::SysCommand(TMessage& m)
{
    UINT command = UINT(m.WParam & 0xFFF0);
    if (command == SC_KEYMENU && LOWORD(m.LParam) == ' ') {
        // Alt+Space: the skin's own system menu below the icon, never the window system's.
        if (style_ & WS_SYSMENU) {
            RECT w{};
            GetWindowRect(Window(), &w);
            TsFrameGeometry g = Geometry();
            PopupSystemMenu({w.left + g.frameWidth, w.top + g.frameHeight + g.captionHeight});
        }
        m.Result = 0;
        return;
    }
    TacScrollWnd::WndProc(m);
    if (Destroyed() || (command != SC_MAXIMIZE && command != SC_RESTORE))
        return;
    if (style_ & WS_MAXIMIZEBOX) {
        slots_[cbMaximize].State = 0;
        RepaintButton(cbMaximize);
    } else {
        SetHotHitCode(0);
    }
}
