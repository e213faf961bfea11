#pragma once
// TacTabControlWnd: the adapter of a dialog's tab controls (not those drawn
// as buttons). The page below the tabs takes the skin's PAGECONTROL section;
// each tab the TABTOP section in its state (the selected one pressed and a
// little taller, so that it joins the page; the one under the mouse hot),
// with its text centred in the section's font colours.

#include <string>

#include "skin/dialogs/acOwnPaintWnd.h"

class TacTabControlWnd : public TacOwnPaintWnd {
public:
    TacTabControlWnd(HWND window, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

    // The page's rectangle in the window (below the rows of tabs).
    Rect PageRect() const;
    // The tab's rectangle as painted (the selected one taller); empty for none.
    Rect TabRect(int index) const;
    // 0 normal, 1 under the mouse, 2 selected.
    int TabState(int index) const;

protected:
    void PrepareCache() override;
    void MouseMoved() override;

private:
    int TabCount() const;
    int TabUnderCursor() const;
    std::wstring TabText(int index) const;
    void PaintTab(HDC dc, View24 pixels, const TsBgSource& behind, int index);

    int hotTab_ = -1;
};
