#include "toolkit/HintWindow.h"

#include "toolkit/Canvas.h"

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    visible_ = false;
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    p.ClassStyle = CS_SAVEBITS;
    p.WndParent = nullptr;
}

void THintWindow::ActivateHint(Point screenPoint, const std::string& text)
{
    SetText(text);
    HDC screen = GetDC(nullptr);
    Size extent;
    {
        TCanvas measure(screen);
        measure.Font().Assign(Font());
        Rect r{0, 0, 300, 0};
        measure.DrawText(text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        extent = {r.Width(), r.Height()};
    }
    ReleaseDC(nullptr, screen);
    SetBounds(screenPoint.x, screenPoint.y, extent.width + 8, extent.height + 4);
    visible_ = true;
    SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    visible_ = false;
    if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
}

bool THintWindow::IsShowing() const
{
    return visible_;
}

void THintWindow::Paint()
{
    Rect r = ClientRect().Inflated(-3, -1);
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    Canvas().DrawText(Text(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
