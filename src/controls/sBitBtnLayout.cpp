#include "controls/sBitBtnLayout.h"

namespace {

bool Horizontal(TsGlyphLayout l)
{
    return l == TsGlyphLayout::blGlyphLeft || l == TsGlyphLayout::blGlyphRight;
}

TsGlyphLayout Mirrored(TsGlyphLayout l, bool rightToLeft)
{
    if (!rightToLeft)
        return l;
    if (l == TsGlyphLayout::blGlyphLeft)
        return TsGlyphLayout::blGlyphRight;
    if (l == TsGlyphLayout::blGlyphRight)
        return TsGlyphLayout::blGlyphLeft;
    return l;
}

// The caption's top-left corner by the block rules.
Point CaptionAt(const TsBitBtnLayoutInput& in, TsGlyphLayout layout)
{
    const int W = in.client.width, H = in.client.height;
    const int gw = in.glyph.width, gh = in.glyph.height, tw = in.caption.width, th = in.caption.height;
    const bool horizontal = Horizontal(layout);
    int s = (gw == 0 || tw == 0) ? 0 : in.spacing;
    const int mainSize = horizontal ? W : H;
    const int glyphMain = horizontal ? gw : gh, captionMain = horizontal ? tw : th;
    int m;
    if (in.margin == -1) {
        if (s < 0) {
            m = (mainSize - glyphMain - captionMain) / 3;
            s = m;
        } else if (in.alignment == TsBlockAlignment::taCenter) {
            m = (mainSize - (glyphMain + s + captionMain) + 1) / 2;
        } else {
            m = 2;
        }
    } else {
        m = in.margin;
        if (s < 0)
            s = (mainSize - m - glyphMain - captionMain) / 2;
    }
    Point at;
    if (horizontal) {
        at.y = (H - th + 1) / 2;
        bool left = layout == TsGlyphLayout::blGlyphLeft;
        switch (in.alignment) {
        case TsBlockAlignment::taLeftJustify:
            at.x = left ? m + gw + s : m;
            break;
        case TsBlockAlignment::taCenter:
            m = (W - tw - s - gw) / 2;
            at.x = left ? m + s + gw : m;
            break;
        case TsBlockAlignment::taRightJustify:
            at.x = left ? W - m - tw : W - m - gw - s - tw;
            break;
        }
    } else {
        at.x = (W - tw + 1) / 2;
        int t = (H - gh - s - th) / 2 - m;
        if (layout == TsGlyphLayout::blGlyphTop)
            at.y = m + t + gh + s;
        else
            at.y = H - m - gh - t - s - th;
    }
    return at;
}

// The glyph's top-left corner by its own rule.
Point GlyphAt(const TsBitBtnLayoutInput& in, TsGlyphLayout layout)
{
    const int W = in.client.width, H = in.client.height;
    const int gw = in.glyph.width, gh = in.glyph.height, tw = in.caption.width, th = in.caption.height;
    const int m = in.margin < 0 ? 0 : in.margin + 3;
    const int s = (tw > 0 || th > 0) ? in.spacing : 0;
    const int fx = (W - gw - s - tw) / 2 - m;
    const int fy = (H - gh - s - th) / 2 - m;
    switch (layout) {
    case TsGlyphLayout::blGlyphLeft:
        if (in.alignment == TsBlockAlignment::taLeftJustify)
            return {m, (H - gh) / 2};
        if (in.alignment == TsBlockAlignment::taCenter)
            return {m + fx, (H - gh) / 2};
        return {m + 2 * fx, (H - gh) / 2};
    case TsGlyphLayout::blGlyphRight:
        if (in.alignment == TsBlockAlignment::taLeftJustify)
            return {W - m - 2 * fx - s - gw, (H - gh) / 2};
        if (in.alignment == TsBlockAlignment::taCenter)
            return {(W - gw + s + tw) / 2, (H - gh) / 2};
        return {W - gw - m, (H - gh) / 2};
    case TsGlyphLayout::blGlyphTop:
        return {(W - gw) / 2 + 1, m + fy};
    case TsGlyphLayout::blGlyphBottom:
        return {(W - gw) / 2 + 1, H - m - fy - gh};
    }
    return {};
}

}  // namespace

TsBitBtnLayout LayoutBitBtn(const TsBitBtnLayoutInput& in)
{
    TsGlyphLayout layout = Mirrored(in.layout, in.rightToLeft);
    Point caption = CaptionAt(in, layout);
    Point glyph = GlyphAt(in, layout);
    if (in.pressed) {
        caption = {caption.x + 1, caption.y + 1};
        glyph = {glyph.x + 1, glyph.y + 1};
    }
    return {Rect::FromSize(caption.x, caption.y, in.caption.width, in.caption.height), glyph};
}
