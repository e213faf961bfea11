#pragma once
// Where a glyph button puts its picture and its caption: the published layout
// settings of a button and the pure arithmetic that places the glyph box and
// the text box inside the button's content rectangle. No window code here;
// the button measures its caption and hands the sizes in.

#include <cstdint>
#include <functional>

#include "gfx/Geometry.h"

// A row (top, centre, bottom) and a column (left, centre, right), row-major.
enum class TPvxAlignment {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight,
};

// Where the text stands relative to the glyph.
enum class TPvxTextArrange {
    taLeft,        // text left of the glyph, centred vertically
    taLeftTop,     // text left of the glyph, tops aligned
    taRight,       // text right of the glyph, centred vertically
    taRightTop,    // text right of the glyph, tops aligned
    taTop,         // text above the glyph, centred horizontally
    taTopLeft,     // text above the glyph, left edges aligned
    taBottom,      // text below the glyph, centred horizontally
    taBottomLeft,  // text below the glyph, left edges aligned
};

enum class TPvxArrowPosition { apLeftText, apRightText };

// The alignment as the platform's text-format flags: top 0, vertical centre 4,
// bottom 8, plus left 0, centre 1, right 2.
unsigned AlignmentTextFormat(TPvxAlignment alignment);
int AlignmentRow(TPvxAlignment alignment);     // 0 top, 1 centre, 2 bottom
int AlignmentColumn(TPvxAlignment alignment);  // 0 left, 1 centre, 2 right

// The placement settings shared by glyph buttons. Every setter stores the
// value and calls OnChange, so the owning button repaints.
class TPvxGlyphTextLayout {
public:
    TPvxAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPvxAlignment value) { Set(alignment_, value); }
    TPvxTextArrange AlignText2Glyph() const { return arrange_; }
    void SetAlignText2Glyph(TPvxTextArrange value) { Set(arrange_, value); }
    int OffsetX() const { return offsetX_; }
    void SetOffsetX(int value) { Set(offsetX_, value); }
    int OffsetY() const { return offsetY_; }
    void SetOffsetY(int value) { Set(offsetY_, value); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int value) { Set(spacing_, value); }

    std::function<void()> OnChange;

protected:
    template <typename T>
    void Set(T& field, T value)
    {
        field = value;
        if (OnChange)
            OnChange();
    }

private:
    TPvxAlignment alignment_ = TPvxAlignment::agCenter;
    TPvxTextArrange arrange_ = TPvxTextArrange::taRight;
    int offsetX_ = 0;
    int offsetY_ = 0;
    int spacing_ = 2;
};

// The button's layout adds a drop-down arrow (stored; the program draws none).
// ArrowColor is a colour value 0x00BBGGRR; 0 is black.
class TPvxButtonLayout : public TPvxGlyphTextLayout {
public:
    bool Arrow() const { return arrow_; }
    void SetArrow(bool value) { Set(arrow_, value); }
    int32_t ArrowColor() const { return arrowColor_; }
    void SetArrowColor(int32_t value) { Set(arrowColor_, value); }
    int ArrowIndent() const { return arrowIndent_; }
    void SetArrowIndent(int value) { Set(arrowIndent_, value); }
    TPvxArrowPosition ArrowPosition() const { return arrowPosition_; }
    void SetArrowPosition(TPvxArrowPosition value) { Set(arrowPosition_, value); }
    int ArrowSize() const { return arrowSize_; }
    void SetArrowSize(int value) { Set(arrowSize_, value); }

private:
    bool arrow_ = false;
    int32_t arrowColor_ = 0;
    int arrowIndent_ = 3;
    TPvxArrowPosition arrowPosition_ = TPvxArrowPosition::apRightText;
    int arrowSize_ = 3;
};

// What the placement needs to know. A caption "takes part" while the button
// uses its caption; an empty one still measures as one line (a space).
struct TPvxGlyphTextInput {
    Rect content;           // the frame's content rectangle
    Size glyph;             // one image of the strip; {0, 0} for no glyph
    Size textBox;           // the measured caption, 2 pixels wider and taller
    bool hasCaption = true;
    TPvxTextArrange arrange = TPvxTextArrange::taBottom;
    TPvxAlignment alignment = TPvxAlignment::agCenter;
    int spacing = 2;        // the layout's Spacing
    Point offset;           // the layout's OffsetX, OffsetY
};

struct TPvxGlyphTextBoxes {
    Rect glyph;  // where the image's top-left goes (empty for no glyph)
    Rect text;   // the box the caption is drawn into
};

// The gap between glyph and text: the layout's spacing when glyph and caption
// are both there or both missing, 0 when only one of them is.
int GlyphTextSpacing(bool hasGlyph, bool hasCaption, int spacing);

// The width a wrapping caption may take: |content width - spacing - glyph width|.
int CaptionWrapWidth(int contentWidth, int spacing, int glyphWidth);

// Places the glyph box and the text box in the content rectangle. The block
// around both may be larger than the content rectangle; it then overhangs it
// evenly (offsets are divided by 2 truncating toward zero).
TPvxGlyphTextBoxes PlaceGlyphAndText(const TPvxGlyphTextInput& input);
