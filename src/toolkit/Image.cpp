#include "toolkit/Image.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    ControlStyle |= csCaptureMouse | csClickEvents | csDoubleClicks;
    SetBounds(0, 0, 105, 105);
}

void TImage::Paint()
{
    if (!picture_.Empty())
        Canvas().Draw(0, 0, picture_);
}
