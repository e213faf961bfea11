#pragma once
// The adapters of a dialog's static controls: TacStaticWnd draws the text
// left-aligned and word-wrapped in the system's message font over the
// skinned background of its section (transparent: the dialog shows
// through); TacIconWnd draws the icon the static holds instead.

#include <string>

#include "skin/adapters/acMainWnd.h"

class TacStaticWnd : public TacMainWnd {
public:
    TacStaticWnd(HWND window, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

protected:
    void PrepareCache() override;
    // What the static shows over its background in the cache's DC.
    virtual void PaintContent(HDC dc, Size size);

private:
    void PaintNow(HDC dc);
    bool LeftToSystem() const;

    bool erased_ = false;
};

class TacIconWnd : public TacStaticWnd {
public:
    using TacStaticWnd::TacStaticWnd;

protected:
    void PaintContent(HDC dc, Size size) override;
};
