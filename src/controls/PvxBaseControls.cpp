#include "controls/PvxBaseControls.h"

#include "toolkit/Handles.h"
#include "toolkit/WinControl.h"

TPvxBaseControl::TPvxBaseControl(TComponent* owner) : TGraphicControl(owner) {}

void TPvxBaseControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_MOUSELEAVE:
        if (OnMouseExit)
            OnMouseExit(this);
        break;
    case WM_THEMECHANGED:
        RepaintControl();
        m.Result = 0;
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}

TPvxBaseGraphicControl::TPvxBaseGraphicControl(TComponent* owner) : TPvxBaseControl(owner) {}

void TPvxBaseGraphicControl::EndUpdate()
{
    if (updateLock_ > 0 && --updateLock_ == 0)
        RepaintControl();
}

void TPvxBaseGraphicControl::RepaintControl()
{
    if (updateLock_ > 0 || !Parent() || !Parent()->HandleAllocated())
        return;
    if (!(ControlStyle & csOpaque))
        Invalidate();
    else if (Visible())
        PaintNow();
}

void TPvxBaseGraphicControl::PaintNow()
{
    WindowDc dc(Parent()->Handle());
    if (!dc.Get())
        return;
    SaveDcGuard saved(dc.Get());
    SetViewportOrgEx(dc.Get(), Left(), Top(), nullptr);
    IntersectClipRect(dc.Get(), 0, 0, Width(), Height());
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()));
}

void TPvxBaseGraphicControl::Paint()
{
    if (painting_ || IsLoading())
        return;
    painting_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{painting_};
    PaintControl();
}
