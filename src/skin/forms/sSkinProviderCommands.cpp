// The form skinning component's answers to the engine's commands: skin
// changes from its manager, the questions of the form's children, and the
// painting switches.

#include "skin/forms/sSkinProvider.h"

#include "skin/adapters/acCtrlAdapter.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "toolkit/Form.h"

void TsSkinProvider::HandleSkinCommand(TMessage& m)
{
    m.Result = 0;
    if (SkinChangeCommand(m) || QueryCommand(m) || PaintingCommand(m))
        return;
    if (!skinData_->HandleSkinCommand(m))
        Pass(m);
}

bool TsSkinProvider::SkinChangeCommand(TMessage& m)
{
    bool ours = reinterpret_cast<TsSkinManager*>(m.LParam) == SkinManager();
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
        if (ours)
            SkinLoaded(m);
        return true;
    case scSkinRemoved:
        if (ours)
            SkinRemoved(m);
        return true;
    case scRepaint:
        if (ours)
            Repaint(m);
        return true;
    case scControlChanged:
        AttachAdapters(reinterpret_cast<TWinControl*>(m.LParam));
        return true;
    default:
        return false;
    }
}

void TsSkinProvider::SkinLoaded(TMessage& m)
{
    skinData_->HandleSkinCommand(m);
    savedTitle_.reset();
    InitializeSkin();
    ApplyFormColor();
    skinData_->CacheInvalid = true;
    regionApplied_ = false;
    if (form_->HandleAllocated() && IsWindowVisible(form_->Handle()))
        SendMessageA(form_->Handle(), WM_NCPAINT, 1, 0);
    m.Result = 0;
}

void TsSkinProvider::SkinRemoved(TMessage& m)
{
    DropAdapters(m);
    skinData_->HandleSkinCommand(m);
    savedTitle_.reset();
    RestoreWindowSystemLook();
    m.Result = 0;
}

void TsSkinProvider::Repaint(TMessage& m)
{
    HWND window = form_->HandleAllocated() ? form_->Handle() : nullptr;
    regionApplied_ = false;
    savedTitle_.reset();
    if (window && IsWindowVisible(window) && !animating_) {
        skinData_->CacheInvalid = true;
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
    }
    ApplyFormColor();
    skinData_->Updating = false;
    AttachAdapters();
    if (adapter_)
        adapter_->Broadcast(m);
}

bool TsSkinProvider::QueryCommand(TMessage& m)
{
    switch (SkinCmdOf(m.WParam)) {
    case scQueryProvider:
        m.Result = reinterpret_cast<LRESULT>(static_cast<TsFormSkinner*>(this));
        return true;
    case scQueryHandled:
        m.Result = 1;
        return true;
    case scQueryCacheInvalid:
        m.Result = skinData_->Updating && skinData_->NeedsFullRepaint();
        return true;
    case scQueryColor:
        m.Result = AnswerColor();
        return true;
    case scQueryBackground:
        if (m.LParam)
            AnswerBackground(*reinterpret_cast<TsBgQuery*>(m.LParam));
        return true;
    case scQueryComplexBackground: {
        m.Result = Skinned() && skinData_->Section().Data().GradientPercent + skinData_->Section().Data().ImagePercent > 0;
        return true;
    }
    case scQueryClientOffset: {
        Point offset = form_->HandleAllocated() ? ClientOffset() : Point{};
        m.Result = MAKELONG(offset.x, offset.y);
        return true;
    }
    default:
        return false;
    }
}

bool TsSkinProvider::PaintingCommand(TMessage& m)
{
    WORD argument = SkinCmdArgument(m.WParam);
    HWND window = form_->HandleAllocated() ? form_->Handle() : nullptr;
    switch (SkinCmdOf(m.WParam)) {
    case scSetUpdating:
        skinData_->Updating = argument == 1;
        if (skinData_->Updating)
            skinData_->CacheInvalid = true;
        return true;
    case scFreezeCache:
        skinData_->CacheFrozen = argument == 1;
        if (skinData_->CacheFrozen)
            PaintWholeWindow();
        return true;
    case scSetPaintingChild:
        skinData_->PaintingChild = reinterpret_cast<TControl*>(m.LParam);
        return true;
    case scRedrawOff:
        if (window)
            SendMessageA(window, WM_SETREDRAW, FALSE, 0);
        return true;
    case scRedrawOn:
        if (window) {
            SendMessageA(window, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW |
                                                       RDW_ALLCHILDREN);
        }
        return true;
    default:
        return false;
    }
}
