#pragma once
// TImage: a picture painted by the parent, unscaled from the top-left corner
// and clipped to the control.

#include "toolkit/Bitmap.h"
#include "toolkit/GraphicControl.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    const char* ClassName() const override { return "TImage"; }
    TBitmap& Picture() { return picture_; }

protected:
    void Paint() override;

private:
    TBitmap picture_;
};
