#pragma once
// TsCaptionOwner: a window whose skinned caption answers the mouse through
// TsCaptionInput (a skinned form, a skinned dialog window).

#include <windows.h>

#include "skin/forms/FramePainting.h"
#include "skin/frame/CaptionButtons.h"
#include "skin/frame/FrameGeometry.h"
#include "toolkit/Messages.h"

// What the caption input asks of the window that owns the caption.
class TsCaptionOwner {
public:
    virtual HWND CaptionWindow() const = 0;
    virtual TsFrameGeometry Geometry() const = 0;
    virtual TsFormFrameState CaptionFrameState() const = 0;
    virtual TsCaptionButtonRules ButtonRules() const = 0;
    // The height of the button band (the close image's).
    virtual int CaptionButtonHeight() const = 0;
    virtual TsCaptionSlots& CaptionSlots() = 0;
    virtual int& HotCode() = 0;
    // Set while a caption button is held down.
    virtual bool& ButtonHeld() = 0;
    // Redraws one button from the cache in its slot's state.
    virtual void RepaintButton(TsCaptionButton b) = 0;
    virtual void PopupSystemMenu(POINT at) = 0;
    virtual void UpdateSystemMenu() = 0;
    // The window's own handling of a message the caption leaves alone.
    virtual void PassOn(TMessage& m) = 0;

    // Where the owners answer alike actions differently.
    // The hot code a hit code makes (the hit code itself, or 0 for none).
    virtual int HotCodeOfHit(int code) const = 0;
    // The hit code of a point of the window (window coordinates) that lies on
    // a part of the frame other than the caption, such as a size grip;
    // htNowhere for none.
    virtual int FrameHitCode(Point) const { return htNowhere; }
    // A caption button became hot by a hit test.
    virtual void ButtonHitByMouse() {}
    // The bottom of the caption icon below the window's top, where a click on it opens the system menu.
    virtual int IconBottom(const TsFrameGeometry& g) const = 0;
    // Alt+Space opens the skin's system menu.
    virtual bool KeyMenuAllowed() const = 0;
    // A double click on the caption maximises or restores.
    virtual bool CaptionDoubleClickSizes() const = 0;
    // A double click on the caption icon.
    virtual void CloseFromIcon() = 0;
    // The minimize button was clicked: the window is minimized (restored when it is).
    virtual void MinimizeByButton()
    {
        HWND window = CaptionWindow();
        SendMessageW(window, WM_SYSCOMMAND, IsIconic(window) ? SC_RESTORE : SC_MINIMIZE, 0);
    }
    // The minimize button was clicked and its command carried out.
    virtual void MinimizeClicked() {}
    // A release that clicks no button (and one over a maximize button that
    // is not enabled) goes on to the window's handler.
    virtual bool PassesUnclickedRelease() const = 0;
    // A quick second click on a caption button presses it again.
    virtual bool RepressesOnDoubleClick() const = 0;
    // A right release off the caption goes on to the window's handler while the frame has no border.
    virtual bool BorderlessPassesRightRelease() const = 0;

protected:
    ~TsCaptionOwner() = default;
};
