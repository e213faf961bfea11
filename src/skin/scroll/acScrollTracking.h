#pragma once
// The mouse on skinned scroll bars, one state for the whole process: only one
// bar is hovered and only one is held at a time, and a press captures the
// mouse until the button is released.

#include <windows.h>

#include "gfx/Geometry.h"
#include "skin/layout/ScrollBarGeometry.h"

constexpr UINT_PTR kHoverTimer = 0xFFF2;        // polls the pointer over a hovered bar
constexpr UINT kHoverInterval = 20;
constexpr UINT_PTR kFirstRepeatTimer = 0xFFFD;  // the delay before a held part repeats
constexpr UINT kFirstRepeatDelay = 300;
constexpr UINT_PTR kRepeatTimer = 0xFFFE;       // then one step per interval
constexpr UINT kRepeatInterval = 55;

struct TacScrollTracking {
    HWND HoverWindow = nullptr;  // whose bars last saw the mouse
    int HoverBar = -1;           // TsBarKind, or -1
    int HoverPart = kPartNone;
    int LastHoverPart = kPartNone;  // the part the bar was last repainted for
    Rect HoverRect;                 // the hovered bar, screen coordinates
    UINT_PTR HoverTimer = 0;
    int PressedBar = -1;
    int PressedPart = kPartNone;
    int ShownPressedPart = kPartNone;  // PressedPart while the pointer is over it
    UINT ScrollMessage = 0;            // WM_HSCROLL or WM_VSCROLL
    UINT_PTR RepeatTimer = 0;
    TsThumbDrag Drag;     // the thumb when the drag began
    Rect DragRect;        // the dragged bar, screen coordinates
    int LastTrackValue = 0;

    void EndPress();
    void EndHover();
};

TacScrollTracking& ScrollTracking();
