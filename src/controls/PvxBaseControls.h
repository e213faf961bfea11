#pragma once
// The bases of the windowless controls of this family. TPvxBaseControl adds
// the exit event and the repaint on a theme change; TPvxBaseGraphicControl
// the update lock, the guard against painting within a paint, and the repaint
// rule after a change: a transparent control invalidates its area, an opaque
// one paints itself at once into its parent's device context.

#include "toolkit/GraphicControl.h"

class TPvxBaseControl : public TGraphicControl {
public:
    explicit TPvxBaseControl(TComponent* owner);
    const char* ClassName() const override { return "TPvxBaseControl"; }

    // OnMouseEnter (from TControl) when the pointer enters; this when it leaves.
    TNotifyEvent OnMouseExit;

    void WndProc(TMessage& message) override;

protected:
    // Shows a change of the control's look.
    virtual void RepaintControl() { Invalidate(); }
};

class TPvxBaseGraphicControl : public TPvxBaseControl {
public:
    explicit TPvxBaseGraphicControl(TComponent* owner);
    const char* ClassName() const override { return "TPvxBaseGraphicControl"; }

    // While the lock count is above 0 changes do not repaint; the last
    // EndUpdate repaints once.
    void BeginUpdate() { ++updateLock_; }
    void EndUpdate();
    int UpdateLock() const { return updateLock_; }
    bool Painting() const { return painting_; }

protected:
    void RepaintControl() override;
    // Paints into the parent's device context now, as the parent's paint would.
    void PaintNow();
    void Paint() final;
    // The control's drawing on Canvas(); never entered twice at once and not
    // while the control is loading.
    virtual void PaintControl() {}

private:
    int updateLock_ = 0;
    bool painting_ = false;
};
