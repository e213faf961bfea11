#include "toolkit/Canvas.h"

#include "toolkit/Bitmap.h"
#include "toolkit/SysUtils.h"

TCanvas::TCanvas()
{
    // A font changed while selected: the DC takes its first font back before
    // the old handle is freed.
    font_.BeforeHandleChange = [this] {
        if (dc_ && originalFont_) {
            SelectObject(dc_, originalFont_);
            originalFont_ = nullptr;
        }
    };
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == dc_)
        return;
    RestoreObjects();
    dc_ = dc;
}

void TCanvas::RestoreObjects()
{
    if (!dc_)
        return;
    if (originalFont_)
        SelectObject(dc_, originalFont_);
    if (originalBrush_)
        SelectObject(dc_, originalBrush_);
    if (originalPen_)
        SelectObject(dc_, originalPen_);
    originalFont_ = originalBrush_ = originalPen_ = nullptr;
}

void TCanvas::ApplyFont()
{
    HGDIOBJ previous = SelectObject(dc_, font_.Handle());
    if (!originalFont_)
        originalFont_ = previous;
    SetTextColor(dc_, ColorToRGB(font_.Color()));
}

void TCanvas::ApplyBrush()
{
    HGDIOBJ previous = SelectObject(dc_, brush_.Handle());
    if (!originalBrush_)
        originalBrush_ = previous;
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
    SetBkMode(dc_, brush_.Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
}

void TCanvas::ApplyPen()
{
    HGDIOBJ previous = SelectObject(dc_, pen_.Handle());
    if (!originalPen_)
        originalPen_ = previous;
}

void TCanvas::FillRect(const Rect& r)
{
    RECT rc = ToRECT(r);
    if (brush_.Style() != TBrushStyle::bsClear)
        ::FillRect(dc_, &rc, brush_.Handle());
}

void TCanvas::FrameRect(const Rect& r)
{
    RECT rc = ToRECT(r);
    ::FrameRect(dc_, &rc, brush_.Handle());
}

void TCanvas::Rectangle(const Rect& r)
{
    ApplyPen();
    ApplyBrush();
    ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void TCanvas::MoveTo(int x, int y)
{
    MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    ApplyPen();
    ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    ApplyFont();
    ApplyBrush();
    const std::wstring wide = FromSystemCodePage(text);
    ::TextOutW(dc_, x, y, wide.c_str(), int(wide.size()));
}

void TCanvas::TextRect(const Rect& clip, int x, int y, const std::string& text)
{
    ApplyFont();
    ApplyBrush();
    RECT rc = ToRECT(clip);
    UINT options = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
    const std::wstring wide = FromSystemCodePage(text);
    ExtTextOutW(dc_, x, y, options, &rc, wide.c_str(), UINT(wide.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, Rect& r, UINT format)
{
    ApplyFont();
    ApplyBrush();
    RECT rc = ToRECT(r);
    const std::wstring wide = FromSystemCodePage(text);
    int height = ::DrawTextW(dc_, wide.c_str(), int(wide.size()), &rc, format);
    if (format & DT_CALCRECT)
        r = FromRECT(rc);
    return height;
}

Size TCanvas::TextExtent(const std::string& text)
{
    ApplyFont();
    SIZE s{};
    const std::wstring wide = FromSystemCodePage(text);
    GetTextExtentPoint32W(dc_, wide.c_str(), int(wide.size()), &s);
    return {int(s.cx), int(s.cy)};
}

void TCanvas::DrawFocusRect(const Rect& r)
{
    RECT rc = ToRECT(r);
    ::DrawFocusRect(dc_, &rc);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    bitmap.DrawTo(dc_, x, y);
}
