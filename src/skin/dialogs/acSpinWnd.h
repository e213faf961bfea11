#pragma once
// TacSpinWnd: the adapter of a dialog's up-down (spin) controls. Each of its
// two halves is a small skinned button (SPEEDBUTTON_SMALL) in its own state,
// pressed while the mouse holds it, hot under the mouse, with an arrow in
// the section's font colour pointing the half's way.

#include "skin/dialogs/acOwnPaintWnd.h"

class TacSpinWnd : public TacOwnPaintWnd {
public:
    enum Half { hNone = -1, hFirst = 0, hSecond = 1 };  // up or left, down or right

    TacSpinWnd(HWND window, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

    bool Horizontal() const;
    // The half's rectangle in the window.
    Rect HalfRect(Half half) const;
    // 0 normal, 1 under the mouse, 2 held down.
    int HalfState(Half half) const;

protected:
    void PrepareCache() override;
    void MouseMoved() override;

private:
    Half HalfAt(Point p) const;
    void PaintHalf(View24 pixels, const TsBgSource& behind, Half half);

    Half pressed_ = hNone;
    Half hot_ = hNone;
};
