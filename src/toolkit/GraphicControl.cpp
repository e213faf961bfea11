#include "toolkit/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TCanvas>())
{
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& m)
{
    if (m.Msg == WM_PAINT && m.WParam) {
        canvas_->SetHandle(reinterpret_cast<HDC>(m.WParam));
        canvas_->Font().Assign(Font());
        canvas_->Brush().SetColor(Color());
        canvas_->Brush().SetStyle(TBrushStyle::bsSolid);
        Paint();
        canvas_->SetHandle(nullptr);
        m.Result = 0;
        return;
    }
    TControl::WndProc(m);
}
