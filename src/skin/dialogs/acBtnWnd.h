#pragma once
// The adapters of a dialog's buttons. TacBtnWnd draws a push button from
// the skin's BUTTON section in its state (pushed, hot, focused or default,
// normal), its caption centred and moved by a pixel while pushed, a focus
// rectangle when the skin shows focus, and a disabled button blended into
// what lies behind it; the mouse makes it hot. TacCheckBoxWnd draws check
// boxes and radio buttons with the skin's glyphs and their text.

#include <string>

#include "skin/adapters/acMainWnd.h"

class TacBtnWnd : public TacMainWnd {
public:
    TacBtnWnd(HWND window, const std::string& section, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

    // 0 normal, 1 hot (focused, under the mouse, or the default button), 2 pushed.
    int PaintState() const;

protected:
    void PrepareCache() override;
    virtual void PaintFace(HDC dc, View24 pixels, int state);
    bool Pushed() const;
    bool HasFocus() const;
    HFONT Font() const;
    void BlendDisabled(View24 pixels);
    virtual bool BlendsWhenDisabled() const { return true; }

private:
    void PaintNow(HDC dc);
    void Repaint();
    void QuietlyPass(TMessage& m);
    bool GradientFollowsPlace() const;

    int quietDepth_ = 0;
};

class TacCheckBoxWnd : public TacBtnWnd {
public:
    TacCheckBoxWnd(HWND window, TsSkinManager* manager);

protected:
    void PaintFace(HDC dc, View24 pixels, int state) override;
    // Its glyph and text have disabled looks of their own.
    bool BlendsWhenDisabled() const override { return false; }

private:
    int GlyphMask() const;
};
