#pragma once
// TButton: the standard push button. TBitBtn: a push button that draws itself
// with a glyph beside its caption.

#include <memory>

#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // The button Enter would press: the focused button, else the default one
    // while no other button has the focus.
    bool IsActive() const;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;
    const char* ClassName() const override { return "TBitBtn"; }

    TBitBtnKind Kind() const { return kind_; }
    // A kind other than bkCustom brings its caption, modal result and
    // default/cancel role; bkOK also its glyph. A caption the form data set
    // before the kind is kept.
    void SetKind(TBitBtnKind kind);
    void Click() override;
    // The glyph: NumGlyphs images side by side (up, disabled, ...); the
    // bottom-left pixel's colour is transparent.
    TBitmap& Glyph() { return *glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count) { numGlyphs_ = count < 1 ? 1 : count; }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout) { layout_ = layout; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing) { spacing_ = spacing; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    virtual void DrawButton(const DRAWITEMSTRUCT& item);

private:
    void DrawGlyph(HDC dc, int x, int y, bool enabled);

    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int spacing_ = 4;
};
