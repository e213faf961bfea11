#pragma once
// TacOwnPaintWnd: the root of the dialog child adapters that paint the whole
// look themselves (group boxes, tab controls, spin buttons, links). The look
// is built in the adapter's cache by PrepareCache and copied to the window in
// one block at WM_PAINT; the control's own painting never reaches the screen.
// The mouse makes the window the manager's hot window, and a change of text,
// enabled state, hot state or size paints it again.

#include "skin/adapters/acMainWnd.h"

class TacOwnPaintWnd : public TacMainWnd {
public:
    TacOwnPaintWnd(HWND window, const std::string& section, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

protected:
    // Leaves out of the window's DC what the adapter must not cover; by
    // default the visible child windows.
    virtual void ClipOutput(HDC dc);
    // The mouse moved over the window (after the control's own handling).
    virtual void MouseMoved() {}
    // Paints the window again from a fresh cache.
    void Repaint();
    // The window's font, or the system's message font.
    HFONT Font() const;
    // The cursor in the window's client coordinates.
    Point CursorInClient() const;

private:
    void PaintNow(HDC dc);
    void Paint(TMessage& m);
    void QuietlyPass(TMessage& m);
};
