#pragma once
// The skin engine's own window message and its commands: the protocol
// between the skin manager, forms, skinned controls and adapters. WParam's
// high word is the command, its low word a small argument (0 or 1); LParam
// an argument (often the skin manager). Sent synchronously: SendMessage to a
// window, Perform to a control without one.

#include <windows.h>

class TControl;

constexpr UINT SM_SKINCMD = 0xA100;

enum TsSkinCommand : WORD {
    scSkinLoaded = 1,
    scSkinRemoved = 2,
    scRepaint = 3,
    scQueryProvider = 4,
    scResumePainting = 6,
    scQueryHandled = 7,
    scSetUpdating = 8,
    scFreezeCache = 9,
    scQueryCacheInvalid = 10,
    scQueryHalfVisible = 11,
    scParentBgChanged = 12,
    scSectionChanged = 13,
    scSetPaintingChild = 15,
    scStopFading = 16,
    scInvalidate = 17,
    scQueryComplexBackground = 19,
    scBackgroundChanged = 20,
    scQueryColor = 21,
    scSetHalfVisible = 22,
    scMakeCache = 23,
    scFadeStep = 24,
    scControlChanged = 25,
    scQuerySectionIndex = 26,
    scQueryCaptionHeight = 27,
    scMouseEnter = 29,
    scMouseLeave = 30,
    scBeginUpdate = 31,
    scEndUpdate = 32,
    scQueryBackground = 34,
    scOpaqueState = 36,
    scRedrawOff = 51,  // a form stops redrawing while a scroll bar forwards its message
    scRedrawOn = 52,
    scQueryApplication = 60,
    scQueryClientOffset = 61,
};

// The colour a scQueryColor asker passes as its fallback: no colour.
constexpr LPARAM kNoColorFallback = 0xFF00FF;

inline WPARAM SkinCmdParam(TsSkinCommand command, WORD argument = 0)
{
    return MAKEWPARAM(argument, command);
}
inline TsSkinCommand SkinCmdOf(WPARAM wParam)
{
    return TsSkinCommand(HIWORD(wParam));
}
inline WORD SkinCmdArgument(WPARAM wParam)
{
    return LOWORD(wParam);
}

// Sends a command to a window (0 without one).
LRESULT SendSkinCommand(HWND window, TsSkinCommand command, WORD argument = 0, LPARAM lParam = 0);
// Sends a command to a control: through its window when it has one, else
// straight into its WindowProc.
LRESULT SendSkinCommand(TControl* control, TsSkinCommand command, WORD argument = 0, LPARAM lParam = 0);
