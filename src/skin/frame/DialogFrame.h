#pragma once
// The frame of a dialog window of the system, skinned from outside: its
// frame kind decided from the window's style bits, and the frame geometry,
// caption-button rules and system-menu facts derived from it with the same
// pure functions a skinned form uses. Window coordinates throughout.

#include <cstdint>

#include "skin/frame/CaptionButtons.h"
#include "skin/frame/FrameGeometry.h"

// 0 dialog frame, 1 single, 2 none, 3 sizeable, 4 tool window, 5 sizeable tool window.
enum TsDialogFrameKind : int { dfDialog, dfSingle, dfNone, dfSizeable, dfToolWindow, dfSizeToolWin };

// The window system's style bits the dialog frame reads (their values in the platform's headers).
namespace dialogstyle {
constexpr uint32_t Popup = 0x80000000, Caption = 0x00C00000, Border = 0x00800000, DlgFrame = 0x00400000,
                   SysMenu = 0x00080000, ThickFrame = 0x00040000, MinimizeBox = 0x00020000,
                   MaximizeBox = 0x00010000, ModalFrame = 0x80, ContextHelp = 0x400;  // the last is extended
}

// A popup without a caption has no frame; a sizing border makes it
// sizeable; a modal frame makes it a dialog frame; anything else is sizeable.
TsDialogFrameKind DialogFrameKind(uint32_t style);

// What the dialog frame needs to know about the window now.
struct TsDialogFrameFacts {
    TsDialogFrameKind kind = dfSingle;
    uint32_t style = 0;          // as read at set-up (WS_SYSMENU still in it)
    uint32_t exStyle = 0;
    uint32_t currentStyle = 0;   // the window's style now (WS_SYSMENU taken away)
    bool minimized = false;
    bool maximized = false;
    bool hasIcon = false;
    Size smallIcon{16, 16};      // SM_CXSMICON x SM_CYSMICON
    Size window;
    Size client;
    int hScrollHeight = 0;       // the adapter's own visible scroll bars
    int vScrollWidth = 0;
};

TsFormFrameState DialogFrameState(const TsDialogFrameFacts& d);
// No spacing between a dialog's buttons; the icon is the small icon, when the dialog has one.
TsFrameGeometry ComputeDialogGeometry(const TsDialogFrameFacts& d, const TsSystemFrameMetrics& m,
                                      TsCaptionImages images);
TsCaptionButtonRules DialogButtonRules(const TsDialogFrameFacts& d);
// Frame kinds 1 and 3 wear the big caption images.
bool DialogUsesBigImages(TsDialogFrameKind kind);
