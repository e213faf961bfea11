#pragma once
// The mouse on a skinned caption, shared by a skinned form and a skinned
// dialog window: hit codes, the caption buttons' hot and pressed states,
// press, release, double and right clicks, Alt+Space and the old handler's
// part of activation. Both owners switch off the window system's caption
// buttons and system menu, so every one of these actions is answered here,
// over what each owner tells through TsCaptionOwner.

#include "skin/forms/CaptionOwner.h"

class TsCaptionInput {
public:
    explicit TsCaptionInput(TsCaptionOwner& owner) : owner_(owner) {}

    // Routes the caption's mouse messages (hit test, presses and releases on
    // the frame, a release over the client) to the handlers below; false for
    // any other message.
    bool Handle(TMessage& m);
    void HitTest(TMessage& m);
    // The button of the hit code becomes the hot one (0: none); a held button is let go when it changes.
    void SetHotHitCode(int code);
    void PressButton(int code);
    void NcLButtonDown(TMessage& m);
    // WM_NCLBUTTONUP, and WM_LBUTTONUP (which clicks no button).
    void ButtonUp(TMessage& m);
    void NcLButtonDblClk(TMessage& m);
    void NcRButton(TMessage& m);
    // Alt+Space: the skin's own system menu below the icon, never the window
    // system's. False for any other system command.
    bool KeyMenu(TMessage& m);
    // The window system paints its own caption while it handles activation
    // and caption changes: it does so while the window's redrawing is off.
    void PassFrozen(TMessage& m);

private:
    bool ClickedButton(int button, const TMessage& m) const;
    void ReleaseMinimize(TMessage& m, bool over);
    void ReleaseMaximize(TMessage& m);

    TsCaptionOwner& owner_;
};
