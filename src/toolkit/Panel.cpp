#include "toolkit/Panel.h"

#include "toolkit/Canvas.h"

void Frame3D(TCanvas& canvas, Rect& r, TColor topLeft, TColor bottomRight, int width)
{
    for (int i = 0; i < width; ++i) {
        canvas.Pen().SetColor(topLeft);
        canvas.MoveTo(r.left, r.bottom - 1);
        canvas.LineTo(r.left, r.top);
        canvas.LineTo(r.right - 1, r.top);
        canvas.Pen().SetColor(bottomRight);
        canvas.LineTo(r.right - 1, r.bottom - 1);
        canvas.LineTo(r.left - 1, r.bottom - 1);
        r = r.Inflated(-1, -1);
    }
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner)
{
    ControlStyle |= csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                    csDoubleClicks;
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

namespace {
void DrawBevel(TCanvas& canvas, Rect& r, TBevelCut cut, int width)
{
    if (cut == TBevelCut::bvNone)
        return;
    if (cut == TBevelCut::bvSpace) {
        r = r.Inflated(-width, -width);
        return;
    }
    bool raised = cut == TBevelCut::bvRaised;
    Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
            width);
}
}  // namespace

void TPanel::Paint()
{
    Rect r = ClientRect();
    DrawBevel(Canvas(), r, bevelOuter_, bevelWidth_);
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(r);
    DrawBevel(Canvas(), r, bevelInner_, bevelWidth_);
    if (Caption().empty())
        return;
    UINT align = alignment_ == TAlignment::taCenter ? DT_CENTER
                 : alignment_ == TAlignment::taRightJustify ? DT_RIGHT : DT_LEFT;
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    Canvas().DrawText(Caption(), r, align | DT_VCENTER | DT_SINGLELINE);
}
