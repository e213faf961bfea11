#pragma once
// The skin engine's own window message and its commands: the protocol
// between the skin manager, forms, skinned controls and adapters. WParam's
// high word is the command, its low word a small argument (0 or 1); LParam
// an argument (often the skin manager). Sent synchronously: SendMessage to a
// window, Perform to a control without one.

#include <windows.h>

class TControl;

// Sent to skinned windows (SendMessage) and windowless skinned controls
// (Perform) by everything below; answered by the skin bindings
// (TsCommonData), form skinning components, window adapters and skinned
// controls. WParam: SkinCmdParam(command, argument); LParam as each command says.
constexpr UINT SM_SKINCMD = 0xA100;

// Each command: who sends it -> who answers; the argument (WParam's low word)
// and LParam; the result. "manager" is the TsSkinManager as LParam.
enum TsSkinCommand : WORD {
    // Manager, after a load -> every binding using that manager resolves its
    // indexes again. Argument 0; LParam manager; result 0.
    scSkinLoaded = 1,
    // Manager, removing its skin -> bindings using it go unskinned, adapters
    // let go. Argument 0; LParam manager; result 0.
    scSkinRemoved = 2,
    // Manager, and bindings whose section or manager changed -> the owner
    // invalidates its cache and repaints. Argument 0; LParam manager; result 0.
    scRepaint = 3,
    // Anyone -> a skinned form answers its form skinning component
    // (TsFormSkinner*). Argument 0; LParam 0.
    scQueryProvider = 4,
    // A form or container after painting itself -> every windowed child that
    // suspended its painting repaints now. Argument 0; LParam 0; result 0.
    scResumePainting = 6,
    // Distribution and adapters -> 1 from a window that takes engine
    // messages itself (adapters then leave it alone). Argument 0; LParam 0.
    scQueryHandled = 7,
    // Anyone, the windowless fade timer -> the binding's Updating :=
    // argument == 1. LParam 0; result 0.
    scSetUpdating = 8,
    // Anyone (containers around a change of many children) -> the owner
    // keeps its cache as it is while the argument is 1 (brought up to date
    // first). LParam 0; result 0.
    scFreezeCache = 9,
    // A child before it paints -> its parent answers 1 while its own cache is
    // invalid or its painting suspended. Argument 0; LParam 0.
    scQueryCacheInvalid = 10,
    // A child -> its parent answers 1 when it rebuilds its cache at every
    // paint (so must the child). Argument 0; LParam 0.
    scQueryHalfVisible = 11,
    // A parent whose background changed -> a transparent child invalidates
    // its cache when the argument is 1. LParam 0; result 0.
    scParentBgChanged = 12,
    // Design tools -> a binding of the changed section repaints. Argument 0;
    // LParam 0; result 0.
    scSectionChanged = 13,
    // A windowless control repainting itself alone (a fade frame) -> its
    // parent copies only that control's area meanwhile. LParam the control
    // (TControl*) before the repaint, 0 after it; result 0.
    scSetPaintingChild = 15,
    // Manager before scRepaint; the fade timers at their end -> a fading
    // control stops and frees its fade. Argument 0; LParam manager or 0.
    scStopFading = 16,
    // Anyone -> the binding's cache is invalid. Argument 0; LParam 0; result 0.
    scInvalidate = 17,
    // A child -> its parent answers 1 when what it shows is more than a
    // plain colour. Argument 0; LParam 0.
    scQueryComplexBackground = 19,
    // A binding on move and size; parents -> a control showing its parent's
    // background invalidates its cache (and its children's); argument 1 also
    // redraws a window. LParam 0; result 0.
    scBackgroundChanged = 20,
    // A child -> its parent answers its background colour (COLORREF).
    // Argument 0; LParam the fallback the asker uses (kNoColorFallback).
    scQueryColor = 21,
    // Parents -> the binding's HalfVisible := true. Argument 0; LParam 0.
    scSetHalfVisible = 22,
    // The fade timer after taking the start image; adapters -> the owner
    // paints its cache for its state now. Argument 0; LParam 0; result 0.
    scMakeCache = 23,
    // The fade timer -> the owner may put the frame on the screen itself and
    // answer non-zero; on 0 the timer copies it. LParam the frame (TBitmap*).
    scFadeStep = 24,
    // A windowed control -> its form re-applies its adapters to it.
    // Argument 0; LParam the control (TWinControl*); result 0.
    scControlChanged = 25,
    // A child (labels, adapters) -> its parent answers its section index + 1
    // (0: unskinned). Argument 0; LParam 0.
    scQuerySectionIndex = 26,
    // A parent -> a skinned group box answers the height of its caption band
    // in pixels (0 without one). Argument 0; LParam 0.
    scQueryCaptionHeight = 27,
    // Whoever made children in a skinned dialog, or the dialog adapter itself
    // (posted once when the activation hook sees a child being created) ->
    // the dialog adapter adapts its children not yet adapted. Argument 0;
    // LParam 0; result 0.
    scAttachChildren = 28,
    // Default manager, tracking the window under the pointer -> the window
    // entered / left updates its hot look. Argument 0; LParam manager.
    scMouseEnter = 29,
    scMouseLeave = 30,
    // A binding's BeginUpdate / EndUpdate -> its owner (a form skinning
    // component's form window): painting is suspended / resumed.
    // Argument 0; LParam 0; result 0.
    scBeginUpdate = 31,
    scEndUpdate = 32,
    // A child -> its parent fills the query with what lies behind the child.
    // Argument 0; LParam a TsBgQuery*; result 0.
    scQueryBackground = 34,
    // The edit adapter before painting a disabled window -> the window may
    // set the disabled look it wants in the adapters' shared state.
    // Argument 0; LParam 0; result 0.
    scQueryDisabledKind = 35,
    // Parents and bindings. LParam 1: recompute the plain-background bit and
    // pass the command on to every child (result 0); LParam 0: answer the
    // state word (bit 0 kPlainBackground).
    scOpaqueState = 36,
    // The scroll-bar layer, to its window before / after it forwards a
    // scroll message -> a skinned form stops / resumes redrawing. Argument 0;
    // LParam MAKELPARAM(scroll code, WM_HSCROLL or WM_VSCROLL); scRedrawOff
    // answers non-zero when the window keeps the thumb position itself.
    scRedrawOff = 51,
    scRedrawOn = 52,
    // Anyone -> a binding answers the application object (TApplication*).
    // Argument 0; LParam 0.
    scQueryApplication = 60,
    // Adapters -> a skinned form answers the offset of its client area in its
    // window, MAKELONG(x, y). Argument 0; LParam 0.
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
