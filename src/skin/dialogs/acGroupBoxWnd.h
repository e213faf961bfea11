#pragma once
// TacGroupBoxWnd: the adapter of a dialog's group boxes. The skin's GROUPBOX
// frame starts half a text line down, broken at the left by the caption in
// the section's font colour; the inside is left to the dialog and the
// controls grouped there, so the adapter paints the frame and caption only.

#include "skin/dialogs/acOwnPaintWnd.h"

class TacGroupBoxWnd : public TacOwnPaintWnd {
public:
    TacGroupBoxWnd(HWND window, TsSkinManager* manager);

    // The frame's rectangle and the caption's, in the window's coordinates.
    Rect FrameRect() const;
    Rect CaptionRect() const;

protected:
    void PrepareCache() override;
    void ClipOutput(HDC dc) override;

private:
    Size CaptionSize() const;
};
