#pragma once
// TPvxLabel: a windowless text label with an optional bevel, painted by its
// parent. By default it is transparent and sizes itself to its text (the
// text plus the bevel plus one pixel on every side).

#include <string>

#include "controls/PvxBaseControls.h"
#include "controls/PvxBevel.h"
#include "controls/PvxButtonLayout.h"
#include "controls/PvxCaption.h"

class TTimer;
class TWinControl;

enum TPvxLabelOption : unsigned {
    loPathEllipsis = 1,
    loEndEllipsis = 2,
    loEditControl = 4,
    loShowLabelHint = 8,  // an empty hint shows the caption
};
using TPvxLabelOptions = unsigned;

// Caption effects and the alignment of the text in its rectangle.
class TPvxBaseLabel : public TPvxBaseGraphicControl {
public:
    explicit TPvxBaseLabel(TComponent* owner);
    const char* ClassName() const override { return "TPvxBaseLabel"; }

    TPvxAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPvxAlignment value);
    TPvxFxCaption& FontFX() { return fontFx_; }

protected:
    // A setting that changes the size or the look changed.
    virtual void LayoutChanged() { RepaintControl(); }

private:
    TPvxAlignment alignment_ = TPvxAlignment::agTopLeft;
    TPvxFxCaption fontFx_;
};

class TPvxCustomLabel : public TPvxBaseLabel {
public:
    explicit TPvxCustomLabel(TComponent* owner);
    ~TPvxCustomLabel() override;
    const char* ClassName() const override { return "TPvxCustomLabel"; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TPvxLabelOptions Options() const { return options_; }
    void SetOptions(TPvxLabelOptions value);
    TPvxBevel& Bevel() { return bevel_; }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    // Blinking text: visible for TwinkleVisible ms, then for TwinkleInVisible
    // ms drawn in TwinkleColor (or not at all for clNone).
    bool Twinkle() const { return twinkleTimer_ != nullptr; }
    void SetTwinkle(bool value);
    unsigned TwinkleVisible = 700;
    unsigned TwinkleInVisible = 700;
    TColor TwinkleColor = clNone;
    bool TwinkleShowing() const { return twinkleVisible_; }

    // The format flags the caption is drawn with.
    UINT TextFormat() const;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void PaintControl() override;
    void LayoutChanged() override;
    // Sizes the label to its caption while AutoSize is on, keeping Left and Top.
    void AdjustSize();

private:
    std::string MeasuredCaption() const;
    UINT MeasureFormat() const;
    Rect PlaceWrappedText(const Rect& textRect, UINT format) const;
    bool IsAccelerator(WPARAM key) const;
    void TwinkleTick();
    void MouseEntered();
    void MouseLeft();

    bool autoSize_ = true;
    bool multiLine_ = false;
    bool showAccelChar_ = true;
    bool transparent_ = true;
    TPvxLabelOptions options_ = 0;
    TPvxBevel bevel_;
    TWinControl* focusControl_ = nullptr;
    TTimer* twinkleTimer_ = nullptr;
    bool twinkleVisible_ = true;
    bool hintFromCaption_ = false;
};

class TPvxLabel : public TPvxCustomLabel {
public:
    using TPvxCustomLabel::TPvxCustomLabel;
    const char* ClassName() const override { return "TPvxLabel"; }
};
