#include "skin/forms/CaptionInput.h"

#include <windowsx.h>

#include "toolkit/Handles.h"

bool TsCaptionInput::Handle(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCHITTEST:
        HitTest(m);
        return true;
    case WM_NCLBUTTONDOWN:
        NcLButtonDown(m);
        return true;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:  // a release over the client never sets off a held caption button
        ButtonUp(m);
        return true;
    case WM_NCLBUTTONDBLCLK:
        NcLButtonDblClk(m);
        return true;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
        NcRButton(m);
        return true;
    default:
        return false;
    }
}

void TsCaptionInput::HitTest(TMessage& m)
{
    HWND window = owner_.CaptionWindow();
    const TsCaptionSlots& slots = owner_.CaptionSlots();
    TsCaptionButtonLayout layout;
    for (std::size_t b = 0; b < slots.size(); ++b)
        layout.buttons[b] = {!slots[b].Place.IsEmpty(), slots[b].Place};
    Point p = WindowPoint(window, m.LParam);
    int code = owner_.FrameHitCode(p);
    if (code == htNowhere)
        code = CaptionHitCode(p, owner_.Geometry(), owner_.CaptionFrameState(), layout, owner_.ButtonRules(),
                              owner_.CaptionButtonHeight());
    if (code == htNowhere || code == htSkinCaption) {
        SetHotHitCode(0);
        owner_.PassOn(m);
        return;
    }
    SetHotHitCode(owner_.HotCodeOfHit(code));
    if (CaptionButtonOfHit(code) >= 0)
        owner_.ButtonHitByMouse();
    m.Result = code;
}

void TsCaptionInput::SetHotHitCode(int code)
{
    auto repaint = [this](TsCaptionButton b) { owner_.RepaintButton(b); };
    if (ChangeHotButton(owner_.CaptionSlots(), owner_.HotCode(), code, repaint))
        owner_.ButtonHeld() = false;
}

void TsCaptionInput::PressButton(int code)
{
    if (CaptionButtonOfHit(code) == cbMaximize) {
        TsCaptionButtonRules rules = owner_.ButtonRules();
        if (!(rules.maxEnabled || (IsZoomed(owner_.CaptionWindow()) && rules.restoreEnabled))) {
            SetHotHitCode(0);
            return;
        }
    }
    auto repaint = [this](TsCaptionButton b) { owner_.RepaintButton(b); };
    ShowButtonPressed(owner_.CaptionSlots(), owner_.HotCode(), code, repaint);
    owner_.ButtonHeld() = CaptionButtonOfHit(code) >= 0;
}

void TsCaptionInput::NcLButtonDown(TMessage& m)
{
    HWND window = owner_.CaptionWindow();
    int code = int(m.WParam);
    m.Result = 0;
    if (code == htSkinSysMenu) {
        SetHotHitCode(0);
        RECT w{};
        GetWindowRect(window, &w);
        TsFrameGeometry g = owner_.Geometry();
        owner_.PopupSystemMenu({w.left + g.frameWidth, w.top + owner_.IconBottom(g)});
        return;
    }
    if (CaptionButtonOfHit(code) >= 0) {
        PressButton(code);
        return;
    }
    SetHotHitCode(0);
    if (TakePressOfSizedWindow(window, m.LParam, owner_.Geometry()))
        return;
    owner_.PassOn(m);
}

bool TsCaptionInput::ClickedButton(int button, const TMessage& m) const
{
    if (button < 0 || m.Msg != WM_NCLBUTTONUP)
        return false;
    Rect place = owner_.CaptionSlots()[std::size_t(button)].Place;  // both edges belong to a button
    return Rect{place.left, place.top, place.right + 1, place.bottom + 1}.Contains(
        WindowPoint(owner_.CaptionWindow(), m.LParam));
}

void TsCaptionInput::ButtonUp(TMessage& m)
{
    HWND window = owner_.CaptionWindow();
    bool& held = owner_.ButtonHeld();
    int code = m.Msg == WM_NCLBUTTONUP ? int(m.WParam) : HTCLIENT;
    m.Result = 0;
    switch (code) {
    case htSkinMinimize:
        ReleaseMinimize(m, ClickedButton(CaptionButtonOfHit(code), m));
        return;
    case htSkinMaximize:
        ReleaseMaximize(m);
        return;
    case htSkinClose:
        if (held) {
            owner_.CaptionSlots()[cbClose].State = 0;
            held = false;
            owner_.HotCode() = 0;
            SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return;
    case htSkinHelp:
        if (held) {
            SendMessageW(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
            owner_.UpdateSystemMenu();
            SendMessageW(window, WM_NCPAINT, 1, 0);
        }
        SetHotHitCode(0);
        return;
    default:
        owner_.PassOn(m);
        return;
    }
}

void TsCaptionInput::ReleaseMinimize(TMessage& m, bool over)
{
    bool held = owner_.ButtonHeld();
    if (held && over) {
        SetHotHitCode(0);
        owner_.MinimizeByButton();
        owner_.MinimizeClicked();
        return;
    }
    if (!held)
        SetHotHitCode(0);
    if (held || owner_.PassesUnclickedRelease())
        owner_.PassOn(m);
}

void TsCaptionInput::ReleaseMaximize(TMessage& m)
{
    HWND window = owner_.CaptionWindow();
    if (owner_.PassesUnclickedRelease()) {
        TsCaptionButtonRules rules = owner_.ButtonRules();
        if (!(rules.maxEnabled || (IsZoomed(window) && rules.restoreEnabled))) {
            owner_.PassOn(m);
            return;
        }
    }
    bool held = owner_.ButtonHeld();
    SetHotHitCode(0);
    if (!held) {
        if (owner_.PassesUnclickedRelease())
            owner_.PassOn(m);
        return;
    }
    SendMessageW(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
    owner_.UpdateSystemMenu();
}

void TsCaptionInput::NcLButtonDblClk(TMessage& m)
{
    HWND window = owner_.CaptionWindow();
    m.Result = 0;
    if (m.WParam == htSkinCaption) {
        if (owner_.CaptionDoubleClickSizes()) {
            bool restore = IsZoomed(window) || IsIconic(window);
            SendMessageW(window, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MAXIMIZE, 0);
            owner_.UpdateSystemMenu();
        }
    } else if (m.WParam == htSkinSysMenu) {
        owner_.CloseFromIcon();
    } else if (CaptionButtonOfHit(int(m.WParam)) >= 0 && owner_.RepressesOnDoubleClick()) {
        PressButton(int(m.WParam));
    }
}

void TsCaptionInput::NcRButton(TMessage& m)
{
    bool onCaption = m.WParam == htSkinCaption || m.WParam == htSkinSysMenu;
    m.Result = 0;
    if (m.Msg == WM_NCRBUTTONDOWN) {
        if (!onCaption)
            owner_.PassOn(m);
        return;
    }
    if (owner_.BorderlessPassesRightRelease() && !HasFrameBorder(owner_.CaptionFrameState())) {
        owner_.PassOn(m);
        return;
    }
    if (onCaption) {
        SetHotHitCode(0);
        owner_.PopupSystemMenu({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    }
}

bool TsCaptionInput::KeyMenu(TMessage& m)
{
    if ((m.WParam & 0xFFF0) != SC_KEYMENU || LOWORD(m.LParam) != ' ')
        return false;
    if (owner_.KeyMenuAllowed()) {
        RECT w{};
        GetWindowRect(owner_.CaptionWindow(), &w);
        TsFrameGeometry g = owner_.Geometry();
        owner_.PopupSystemMenu({w.left + g.frameWidth, w.top + g.frameHeight + g.captionHeight});
    }
    m.Result = 0;
    return true;
}

void TsCaptionInput::PassFrozen(TMessage& m)
{
    RedrawOffGuard quiet(owner_.CaptionWindow());
    owner_.PassOn(m);
}
