#pragma once
// THintWindow: the small pop-up that shows a control's hint under the pointer.

#include "toolkit/WinControl.h"

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);
    const char* ClassName() const override { return "THintWindow"; }

    // Shows text near a screen point without taking the activation.
    void ActivateHint(Point screenPoint, const std::string& text);
    void ReleaseHandle();
    bool IsShowing() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};
