#include "controls/PvxButtonLayout.h"

#include <algorithm>
#include <cstdlib>

int AlignmentRow(TPvxAlignment alignment)
{
    return int(alignment) / 3;
}

int AlignmentColumn(TPvxAlignment alignment)
{
    return int(alignment) % 3;
}

unsigned AlignmentTextFormat(TPvxAlignment alignment)
{
    return unsigned(AlignmentRow(alignment) * 4 + AlignmentColumn(alignment));
}

int GlyphTextSpacing(bool hasGlyph, bool hasCaption, int spacing)
{
    return hasGlyph == hasCaption ? spacing : 0;
}

int CaptionWrapWidth(int contentWidth, int spacing, int glyphWidth)
{
    return std::abs(contentWidth - spacing - glyphWidth);
}

namespace {

// Offset of a block of the given extent inside a span: start, middle or end.
int PlaceInSpan(int span, int extent, int where)
{
    switch (where) {
    case 0: return 0;
    case 1: return (span - extent) / 2;
    default: return span - extent;
    }
}

bool IsStacked(TPvxTextArrange arrange)
{
    switch (arrange) {
    case TPvxTextArrange::taTop:
    case TPvxTextArrange::taTopLeft:
    case TPvxTextArrange::taBottom:
    case TPvxTextArrange::taBottomLeft:
        return true;
    default:
        return false;
    }
}

struct Block {
    Size size;
    Point glyph;
    Point text;
};

// Glyph and text one above the other.
Block StackedBlock(Size g, Size t, int s, TPvxTextArrange arrange)
{
    Block b;
    b.size = {std::max(t.width, g.width), t.height + s + g.height};
    bool centred = arrange == TPvxTextArrange::taTop || arrange == TPvxTextArrange::taBottom;
    if (centred) {
        if (b.size.width > t.width)
            b.text.x = (b.size.width - t.width) / 2;
        else
            b.glyph.x = (b.size.width - g.width) / 2;
    }
    bool textBelow = arrange == TPvxTextArrange::taBottom || arrange == TPvxTextArrange::taBottomLeft;
    if (textBelow)
        b.text.y = g.height + s;
    else
        b.glyph.y = t.height + s;
    return b;
}

// Glyph and text side by side.
Block SideBySideBlock(Size g, Size t, int s, TPvxTextArrange arrange)
{
    Block b;
    b.size = {t.width + s + g.width, std::max(t.height, g.height)};
    bool centred = arrange == TPvxTextArrange::taLeft || arrange == TPvxTextArrange::taRight;
    if (centred) {
        if (b.size.height > t.height)
            b.text.y = (b.size.height - t.height) / 2;
        else
            b.glyph.y = (b.size.height - g.height) / 2;
    }
    bool textLeft = arrange == TPvxTextArrange::taLeft || arrange == TPvxTextArrange::taLeftTop;
    if (textLeft)
        b.glyph.x = t.width + s;
    else
        b.text.x = g.width + s;
    return b;
}

}  // namespace

TPvxGlyphTextBoxes PlaceGlyphAndText(const TPvxGlyphTextInput& in)
{
    bool hasGlyph = in.glyph.width > 0 && in.glyph.height > 0;
    Size g = hasGlyph ? in.glyph : Size{};
    int s = GlyphTextSpacing(hasGlyph, in.hasCaption, in.spacing);
    Block block = IsStacked(in.arrange) ? StackedBlock(g, in.textBox, s, in.arrange)
                                        : SideBySideBlock(g, in.textBox, s, in.arrange);

    const Rect& c = in.content;
    int left = c.left + PlaceInSpan(c.Width(), block.size.width, AlignmentColumn(in.alignment));
    int top = c.top + PlaceInSpan(c.Height(), block.size.height, AlignmentRow(in.alignment));

    TPvxGlyphTextBoxes boxes;
    if (hasGlyph)
        boxes.glyph = Rect::FromSize(left + block.glyph.x, top + block.glyph.y, g.width, g.height)
                          .Translated(in.offset.x, in.offset.y);
    boxes.text = Rect::FromSize(left + block.text.x + 1, top + block.text.y + 1, in.textBox.width,
                                in.textBox.height)
                     .Translated(in.offset.x, in.offset.y);
    return boxes;
}
