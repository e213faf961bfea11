#pragma once
// TCustomLabel and TLabel: text painted by the parent, sized to the text while
// AutoSize is on.

#include "toolkit/GraphicControl.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
// Where a caption too long for its label is cut and an ellipsis put.
enum class TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };

class TWinControl;

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);
    const char* ClassName() const override { return "TCustomLabel"; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TEllipsisPosition EllipsisPosition() const { return ellipsisPosition_; }
    void SetEllipsisPosition(TEllipsisPosition value);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    // The label's text drawing: the caption in the canvas's font into rect,
    // embossed in two colours while disabled; with DT_CALCRECT in flags it
    // measures instead, rect receiving the text's extent. Paint, the layout
    // and auto size all go through it.
    virtual void DoDrawText(TCanvas& canvas, Rect& rect, UINT flags);
    // Text format flags for DrawText from the label's settings.
    virtual UINT DrawTextFlags() const;
    // flags as a text drawing passes them to DrawText: a measure takes the
    // whole caption, so the ellipsis flags only cut what is drawn.
    static UINT FlagsForDrawText(UINT flags);
    // The text as drawn: an empty caption measures as one space.
    std::string DisplayText() const;
    virtual void AdjustBounds();

private:
    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TEllipsisPosition ellipsisPosition_ = TEllipsisPosition::epNone;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
    const char* ClassName() const override { return "TLabel"; }
};
