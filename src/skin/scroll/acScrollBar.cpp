#include "skin/scroll/acScrollBar.h"

void TacScrollBar::ReadInfo(HWND window)
{
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(window, kind_ == kBarHorizontal ? SB_HORZ : SB_VERT, &si))
        return;
    info_ = {si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
}

TBitmap& TacScrollBar::Canvas(Size size)
{
    if (canvas_.Empty() || canvas_.Width() != size.width || canvas_.Height() != size.height)
        canvas_.SetSize(size.width, size.height, TPixelFormat::pf24bit);
    return canvas_;
}
