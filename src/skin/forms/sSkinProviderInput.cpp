// The form skinning component and the mouse on the frame: what the caption
// input asks of a form, system commands, activation, caption changes and
// the show animation.

#include "skin/forms/sSkinProvider.h"

#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/FormAnimation.h"
#include "skin/frame/FadeIn.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/MaskFrames.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"

HWND TsSkinProvider::CaptionWindow() const
{
    return form_->Handle();
}

int TsSkinProvider::CaptionButtonHeight() const
{
    const TsSkinModel* model = skinData_->Section().Model;
    return model && model->IsValidMaskIndex(slots_[cbClose].MaskIndex)
               ? MaskFrameSize(model->Masks()[std::size_t(slots_[cbClose].MaskIndex)]).height
               : 21;
}

int TsSkinProvider::HotCodeOfHit(int code) const
{
    return CaptionButtonOfHit(code) >= 0 ? code : 0;
}

bool TsSkinProvider::KeyMenuAllowed() const
{
    return hadSystemMenu_ && HasFrameBorder(FrameState());
}

bool TsSkinProvider::CaptionDoubleClickSizes() const
{
    TsCaptionButtonRules rules = ButtonRules();
    return (hadSystemMenu_ && (rules.maxEnabled || rules.restoreEnabled)) ||
           (!HasFrameBorder(FrameState()) && IsIconic(form_->Handle()));
}

void TsSkinProvider::CloseFromIcon()
{
    form_->Close();
}

void TsSkinProvider::MinimizeByButton()
{
    if (IsIconic(form_->Handle()))
        SendMessageA(form_->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    else
        Minimize();
}

void TsSkinProvider::Minimize()
{
    if (Application && Application->MainForm() == form_)
        Application->Minimize();
    else
        SendMessageA(form_->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    UpdateSystemMenu();
}

int TsSkinProvider::FrameHitCode(Point inWindow) const
{
    Rect grip = GripPlace(Geometry());
    // Right of and below the grip image's top-left corner, to the window's edge.
    return !grip.IsEmpty() && inWindow.x >= grip.left && inWindow.y >= grip.top ? htSkinGrip : htNowhere;
}

void TsSkinProvider::MinimizeClicked()
{
    skinData_->CacheInvalid = true;
}

void TsSkinProvider::SysCommand(TMessage& m)
{
    HWND window = form_->Handle();
    UINT command = UINT(m.WParam & 0xFFF0);
    if (caption_.KeyMenu(m))
        return;
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
        caption_.SetHotHitCode(0);
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
    caption_.PassFrozen(m);
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
    // The new caption in the window system's look stays hidden; the skinned
    // one is put on the screen at once.
    caption_.PassFrozen(m);
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
