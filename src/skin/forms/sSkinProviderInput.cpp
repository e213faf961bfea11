// The form skinning component and the mouse on the frame: hit codes, the
// caption buttons' hot and pressed states, system commands, activation,
// caption changes and the show animation.

#include "skin/forms/sSkinProvider.h"

#include <windowsx.h>

#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/FormAnimation.h"
#include "skin/frame/FadeIn.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/MaskFrames.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"

void TsSkinProvider::HitTest(TMessage& m)
{
    TsFrameGeometry g = Geometry();
    TsCaptionButtonLayout layout;
    for (int b = 0; b < kCaptionButtons; ++b)
        layout.buttons[std::size_t(b)] = {!slots_[std::size_t(b)].Place.IsEmpty(), slots_[std::size_t(b)].Place};
    const TsSkinModel* model = skinData_->Section().Model;
    int height = model && model->IsValidMaskIndex(slots_[cbClose].MaskIndex)
                     ? MaskFrameSize(model->Masks()[std::size_t(slots_[cbClose].MaskIndex)]).height
                     : 21;
    int code = CaptionHitCode(WindowPoint(form_->Handle(), m.LParam), g, FrameState(), layout, ButtonRules(), height);
    if (code == htNowhere || code == htSkinCaption) {
        SetHotHitCode(0);
        Pass(m);
        return;
    }
    SetHotHitCode(CaptionButtonOfHit(code) >= 0 ? code : 0);
    m.Result = code;
}

void TsSkinProvider::SetHotHitCode(int code)
{
    if (ChangeHotButton(slots_, hotHitCode_, code, [this](TsCaptionButton b) { RepaintButton(b); }))
        buttonPressed_ = false;
}

void TsSkinProvider::PressButton(int code)
{
    if (CaptionButtonOfHit(code) == cbMaximize) {
        TsCaptionButtonRules rules = ButtonRules();
        if (!(rules.maxEnabled || (IsZoomed(form_->Handle()) && rules.restoreEnabled))) {
            SetHotHitCode(0);
            return;
        }
    }
    ShowButtonPressed(slots_, hotHitCode_, code, [this](TsCaptionButton b) { RepaintButton(b); });
    buttonPressed_ = CaptionButtonOfHit(code) >= 0;
}

void TsSkinProvider::NcLButtonDown(TMessage& m)
{
    HWND window = form_->Handle();
    int code = int(m.WParam);
    switch (code) {
    case htSkinSysMenu: {
        SetHotHitCode(0);
        RECT w;
        GetWindowRect(window, &w);
        TsFrameGeometry g = Geometry();
        PopupSystemMenu({w.left + g.frameWidth, w.top + g.bottomFrame + g.iconHeight});
        m.Result = 0;
        return;
    }
    case htSkinMinimize:
    case htSkinMaximize:
    case htSkinClose:
    case htSkinHelp:
        PressButton(code);
        m.Result = 0;
        return;
    default:
        break;
    }
    SetHotHitCode(0);
    if (TakePressOfSizedWindow(window, m.LParam, Geometry()))
        return;
    Pass(m);
}

void TsSkinProvider::NcLButtonUp(TMessage& m)
{
    HWND window = form_->Handle();
    int code = m.Msg == WM_NCLBUTTONUP ? int(m.WParam) : HTCLIENT;
    bool over = false;
    if (int button = CaptionButtonOfHit(code); button >= 0 && m.Msg == WM_NCLBUTTONUP) {
        Rect place = slots_[std::size_t(button)].Place;  // both edges belong to a button
        over = Rect{place.left, place.top, place.right + 1, place.bottom + 1}.Contains(WindowPoint(window, m.LParam));
    }
    switch (code) {
    case htSkinMinimize:
        if (buttonPressed_ && over) {
            SetHotHitCode(0);
            SendMessageA(window, WM_SYSCOMMAND, IsIconic(window) ? SC_RESTORE : SC_MINIMIZE, 0);
            skinData_->CacheInvalid = true;
            return;
        }
        if (!buttonPressed_)
            SetHotHitCode(0);
        Pass(m);
        return;
    case htSkinMaximize: {
        TsCaptionButtonRules rules = ButtonRules();
        if (!(rules.maxEnabled || (IsZoomed(window) && rules.restoreEnabled)))
            break;
        bool pressed = buttonPressed_;
        SetHotHitCode(0);
        if (!pressed) {
            Pass(m);
            return;
        }
        SendMessageA(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
        UpdateSystemMenu();
        return;
    }
    case htSkinClose:
        if (buttonPressed_) {
            slots_[cbClose].State = 0;
            buttonPressed_ = false;
            hotHitCode_ = 0;
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        m.Result = 0;
        return;
    case htSkinHelp:
        if (buttonPressed_) {
            SendMessageA(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
            UpdateSystemMenu();
            SendMessageA(window, WM_NCPAINT, 1, 0);
        }
        SetHotHitCode(0);
        m.Result = 0;
        return;
    default:
        break;
    }
    Pass(m);
}

void TsSkinProvider::NcLButtonDblClk(TMessage& m)
{
    HWND window = form_->Handle();
    TsCaptionButtonRules rules = ButtonRules();
    bool minimized = IsIconic(window), maximized = IsZoomed(window);
    if (m.WParam == htSkinCaption) {
        if ((hadSystemMenu_ && (rules.maxEnabled || rules.restoreEnabled)) ||
            (!HasFrameBorder(FrameState()) && minimized)) {
            SendMessageA(window, WM_SYSCOMMAND, maximized || minimized ? SC_RESTORE : SC_MAXIMIZE, 0);
            UpdateSystemMenu();
        }
    } else if (m.WParam == htSkinSysMenu) {
        form_->Close();
    } else if (CaptionButtonOfHit(int(m.WParam)) >= 0) {
        // A quick second click on a caption button presses it again.
        PressButton(int(m.WParam));
    }
    m.Result = 0;
}

void TsSkinProvider::NcRButton(TMessage& m)
{
    bool onCaption = m.WParam == htSkinCaption || m.WParam == htSkinSysMenu;
    if (m.Msg == WM_NCRBUTTONDOWN) {
        if (onCaption)
            m.Result = 0;
        else
            Pass(m);
        return;
    }
    if (!HasFrameBorder(FrameState())) {
        Pass(m);
        return;
    }
    if (onCaption) {
        SetHotHitCode(0);
        PopupSystemMenu({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    }
    m.Result = 0;
}

void TsSkinProvider::SysCommand(TMessage& m)
{
    HWND window = form_->Handle();
    UINT command = UINT(m.WParam & 0xFFF0);
    if (command == SC_KEYMENU && LOWORD(m.LParam) == ' ') {
        // Alt+Space: the skin's own system menu below the icon, never the window system's.
        if (hadSystemMenu_ && HasFrameBorder(FrameState())) {
            RECT w;
            GetWindowRect(window, &w);
            TsFrameGeometry g = Geometry();
            PopupSystemMenu({w.left + g.frameWidth, w.top + g.frameHeight + g.captionHeight});
        }
        m.Result = 0;
        return;
    }
    if (command == (SC_MOVE | 2))
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pass(m);
    switch (command) {
    case SC_MINIMIZE:
        skinData_->EmptyCache();
        break;
    case SC_MAXIMIZE:
    case SC_RESTORE:
        slots_[cbMaximize].State = 0;
        SetHotHitCode(0);
        if (!HasFrameBorder(FrameState())) {
            skinData_->CacheInvalid = true;
            SetWindowRgn(window, nullptr, TRUE);
            regionApplied_ = false;
        }
        break;
    default:
        break;
    }
    UpdateSystemMenu();
}

void TsSkinProvider::Activation(TMessage& m)
{
    HWND window = form_->Handle();
    formActive_ = m.WParam != 0;
    if (!m.WParam && showState_ == 3) {
        showState_ = 0;
    } else {
        skinData_->Updating = showState_ == 3;
        if (showState_ != 3)
            skinData_->CacheInvalid = true;
    }
    if (!IsWindowVisible(window)) {
        Pass(m);
        return;
    }
    // The window system paints its own caption here: not while redrawing is off.
    {
        RedrawOffGuard quiet(window);
        Pass(m);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    UpdateSystemMenu();
}

void TsSkinProvider::TextChange(TMessage& m)
{
    HWND window = form_->Handle();
    if (!IsWindowVisible(window) || (form_->ControlState & csCreating)) {
        Pass(m);
        return;
    }
    // The window system paints the new caption in its own look: hidden behind a
    // frozen window, then the skinned caption is put on the screen at once.
    {
        RedrawOffGuard quiet(window);
        Pass(m);
    }
    skinData_->CacheInvalid = true;
    WholeWindowDc dc(window);
    OutputFrame(dc.Get());
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TsSkinProvider::Showing(TMessage& m)
{
    TsSkinManager* manager = SkinManager();
    bool invalid = skinData_->CacheInvalid || !CacheReady();
    if (!m.WParam || !invalid || !manager || form_->Parent()) {
        Pass(m);
        return;
    }
    const TacAnimEffect& effect = form_->BorderStyle() == TFormBorderStyle::bsDialog ? manager->AnimEffects().DialogShow
                                                                                      : manager->AnimEffects().FormShow;
    // A fade of no frames would only cover the form with a copy of itself.
    if (!effect.Active || effect.Time < kFadeInFrameMilliseconds) {
        Pass(m);
        return;
    }
    skinData_->Updating = true;
    {
        FlagGuard animating(animating_);
        UpdateRegion();
        Pass(m);
    }
    AnimateFormShow(form_, effect.Time);
    skinData_->Updating = false;
    UpdateRegion();
}
