#pragma once
// TacPanelWnd: the adapter of panels. Instead of its bevels the panel shows
// a skin section chosen from them (a raised or lowered double bevel is a
// group box frame); its background and the labels on it are painted over
// the section from the adapter's cache.

#include "skin/adapters/acMainWnd.h"
#include "toolkit/Panel.h"

// The section that stands for a panel's bevels.
std::string PanelSectionOf(TBevelCut outer, TBevelCut inner, bool singleBorder);

class TacPanelWnd : public TacMainWnd {
public:
    // The panel is the toolkit control of window; its bevels choose the section.
    TacPanelWnd(HWND window, TsSkinManager* manager, TsCommonData* skinData);

    void WndProc(TMessage& m) override;

protected:
    void PrepareCache() override;

private:
    TPanel* Panel() const;
    void PaintClient(HDC dc);
    void CopyEdges(HDC dc);
    void EraseBackground(TMessage& m);
    void Paint(TMessage& m);
    bool HandleCommand(TMessage& m);

    TsBgSource paintedOn_;  // the background the cache was painted on
    bool erasedInPaint_ = false;
};
