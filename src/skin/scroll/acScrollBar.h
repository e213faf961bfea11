#pragma once
// TacScrollBar: one bar of a skinned scroll window, with the control's
// scrolling state as last read and the bitmap the bar is composed on.

#include <windows.h>

#include "skin/layout/ScrollBarGeometry.h"
#include "toolkit/Bitmap.h"

class TacScrollWnd;

class TacScrollBar {
public:
    TacScrollBar(TsBarKind kind, TacScrollWnd& owner) : kind_(kind), owner_(owner) {}
    TacScrollBar(const TacScrollBar&) = delete;
    TacScrollBar& operator=(const TacScrollBar&) = delete;

    TsBarKind Kind() const { return kind_; }
    TacScrollWnd& Owner() const { return owner_; }
    // The window's style has the bar (WS_HSCROLL, WS_VSCROLL).
    bool Present = false;
    int MinThumb = kMinThumb;

    // Reads the control's range, page, position and track position.
    void ReadInfo(HWND window);
    const TsScrollInfo& Info() const { return info_; }
    void SetTrackPos(int32_t value) { info_.TrackPos = value; }
    // The bitmap of this size the bar is composed on, kept between paints.
    TBitmap& Canvas(Size size);

private:
    TsBarKind kind_;
    TacScrollWnd& owner_;
    TsScrollInfo info_;
    TBitmap canvas_;
};
