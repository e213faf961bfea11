#pragma once
// The toolkit's message record and its private notifications.
//
// Notifications are sent with TControl::Perform straight into a control's
// WindowProc, so they reach windowless controls too. Their numbers are fixed:
// skin providers and adapters that stack on a control's WindowProc rely on them.
// Messages a parent receives on behalf of a child (WM_COMMAND, WM_DRAWITEM,
// WM_CTLCOLOR..., WM_HSCROLL, WM_VSCROLL) are reflected to the child as
// CN_BASE + the original number.

#include <windows.h>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Each notification: who sends it -> who answers; WParam and LParam; the
// result. "Reserved" numbers are kept for the controls and skin layers that
// stack on a WindowProc; the toolkit itself does not send them yet.
constexpr UINT CM_BASE = 0xB000;
// Reserved: a form became / stopped being the active form. WParam, LParam 0.
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
// The focused control's key handling (and a form offering a key to its
// controls) -> the form, then its controls: non-zero when one acted on the
// key (Enter, Escape, Tab). WParam the virtual key; LParam the key's flags.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// The same for a character (Alt+letter accelerators). WParam the character;
// LParam the key's flags; non-zero when taken.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// A form whose focused control changed -> every control of the form.
// WParam 0; LParam the control that has the focus now (TWinControl*); result 0.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
// A windowed control whose font / colour changed -> each child, which takes
// it over while ParentFont / ParentColor is on. WParam, LParam 0; result 0.
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
// A parent finding the windowless child under the pointer -> the child:
// non-zero when the point belongs to it. WParam 0; LParam MAKELPARAM(x, y)
// in the child's coordinates.
constexpr UINT CM_HITTEST = CM_BASE + 10;
// TControl's setters, after the change -> the control itself (and whatever
// stacks on its WindowProc: skin bindings, adapters). Result 0.
// Visible: WParam the new visibility (0 or 1). The others: WParam, LParam 0.
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
// The application, tracking the control under the pointer -> the control
// entered / left. WParam 0; LParam 0, or for a mouse-enter passed on by a
// parent the child entered (TControl*); result 0. A skin binding also sends
// mouse-leave to a speed button that missed its own.
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
// Reserved: a form's menu changed; a key went to the application first; a
// grouped button was pressed. WParam, LParam as the sender gives them.
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
// A form shown or hidden -> the form itself. WParam TRUE when it shows;
// LParam 0; result 0.
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
// Reserved: focus entering / leaving a control; design-time hit test; a
// form's icon changed; a control asking for a special key; a hint about to
// show; mouse activation; a child's change; the child list's change; a
// window to be made again. WParam, LParam as the sender gives them.
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_MOUSEACTIVATE = CM_BASE + 55;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 36;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
// TControl::SetBiDiMode, after the change -> the control itself, which
// measures and lays out its text again. WParam, LParam 0; result 0.
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
// Reserved: the application becoming active or inactive -> windows that
// follow it (the skinned scroll bars repaint on it). WParam TRUE when it
// becomes active; LParam 0; result 0.
constexpr UINT CM_ACTIVATEAPP = CM_BASE + 0x29;  // 0xB029
// A windowed control's WM_MOUSEWHEEL -> the control first: non-zero when it
// scrolled itself. WParam and LParam those of WM_MOUSEWHEEL.
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 0x43;   // 0xB043
// Reserved: a control asking its parent to invalidate it. WParam 0 for the
// control alone, 1 with its children; LParam 0; answered 0 by skinned forms.
constexpr UINT CM_INVALIDATE = CM_BASE + 0x44;

// A parent's WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
// WM_CTLCOLOR..., WM_HSCROLL and WM_VSCROLL on behalf of a child window ->
// that child's control, with the original WParam and LParam and result.
// Key messages (CN_KEYDOWN, CN_CHAR and the other key messages offset the
// same way) go from the application's message loop to the focused control
// first: non-zero when the control took the key.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
