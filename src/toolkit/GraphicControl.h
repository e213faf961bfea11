#pragma once
// TGraphicControl: a control without a window. Its parent paints it during its
// own WM_PAINT (origin moved to the control, clipped to it) and routes the mouse
// to it; everything else reaches it through Perform.

#include <memory>

#include "toolkit/Canvas.h"
#include "toolkit/Control.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    const char* ClassName() const override { return "TGraphicControl"; }

    TCanvas& Canvas() { return *canvas_; }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> canvas_;
};
