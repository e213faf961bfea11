#include "skin/frame/CaptionButtons.h"

namespace {

bool SingleOrSizeable(TsFrameStyle s)
{
    return s == TsFrameStyle::bsSingle || s == TsFrameStyle::bsSizeable;
}

int ButtonTop(const TsFrameGeometry& g, const TsFormFrameState& f, const TsCaptionButtonRules& r, int height)
{
    if (r.bigImages && r.verticalAlign == 1)
        return f.maximized ? 4 : 0;
    int top = (g.captionHeight + g.frameHeight - height) / 2;
    bool lowered = height < 16 && (r.bigImages || SingleOrSizeable(f.style));
    return lowered ? top + 2 : top;
}

// Whether the inclusive span left..right holds x.
bool Spans(const Rect& r, int x)
{
    return x >= r.left && x <= r.right;
}

}  // namespace

TsCaptionButtonLayout LayoutCaptionButtons(const TsFrameGeometry& g, const TsFormFrameState& f,
                                           const TsCaptionImages& images, const TsCaptionButtonRules& rules)
{
    TsCaptionButtonLayout layout;
    if (!f.hadSystemMenu)
        return layout;
    int x = g.formWidth - g.frameWidth - g.buttonSpacing;
    const int top = ButtonTop(g, f, rules, images.buttonHeight);
    auto place = [&](TsCaptionButton b, bool wanted, bool valid, int width) {
        if (!wanted || !valid)
            return;
        TsCaptionButtonPlace& p = layout.buttons[std::size_t(b)];
        p.shown = true;
        p.rect = {x - width, top, x, top + images.buttonHeight};
        x = p.rect.left - g.buttonSpacing;
    };
    place(cbClose, true, images.closeValid, images.closeWidth);
    place(cbMaximize, g.maxVisible, images.maximizeValid, images.maximizeWidth);
    place(cbMinimize, g.minVisible, images.minimizeValid, images.minimizeWidth);
    place(cbHelp, (f.icons & fiHelp) != 0, images.helpValid, images.helpWidth);
    return layout;
}

int CaptionHitCode(Point p, const TsFrameGeometry& g, const TsFormFrameState& f, const TsCaptionButtonLayout& layout,
                   const TsCaptionButtonRules& rules, int buttonHeight)
{
    if (g.captionHeight == 0)
        return htNowhere;
    int bandTop = (g.frameHeight + g.captionHeight - buttonHeight) / 2;
    if (p.y >= bandTop && p.y <= bandTop + buttonHeight) {
        if (p.x >= g.frameWidth && p.x <= g.frameWidth + g.iconWidth)
            return htSkinSysMenu;
        bool help = (f.icons & fiHelp) != 0;
        int n = 0;
        if (f.hadSystemMenu)
            n = 1 + (g.maxVisible ? 1 : 0) + (g.minVisible || f.minimized ? 1 : 0) + (help ? 1 : 0);
        // Positions count close, then the maximize, minimize and help buttons the form shows.
        int k = 0, position = 0;
        auto count = [&](TsCaptionButton b, bool visible) {
            if (!visible)
                return;
            ++position;
            const TsCaptionButtonPlace& place = layout[b];
            if (k == 0 && place.shown && Spans(place.rect, p.x))
                k = position;
        };
        count(cbClose, f.hadSystemMenu);
        count(cbMaximize, f.hadSystemMenu && g.maxVisible);
        count(cbMinimize, f.hadSystemMenu && g.minVisible);
        count(cbHelp, f.hadSystemMenu && help);
        if (k < 1 || k > n)
            return htSkinCaption;
        bool minimized = f.minimized;
        switch (k) {
        case 1:
            return htSkinClose;
        case 2:
            if (g.maxVisible)
                return rules.maxEnabled || (rules.restoreEnabled && !minimized) ? htSkinMaximize : htSkinCaption;
            if (g.minVisible || minimized)
                return rules.minEnabled ? htSkinMinimize : htSkinCaption;
            return help ? htSkinHelp : htSkinCaption;
        case 3:
            if (g.minVisible || minimized)
                return minimized || rules.minEnabled ? htSkinMinimize : htSkinCaption;
            return help ? htSkinHelp : htSkinCaption;
        case 4:
            return help && g.maxVisible ? htSkinHelp : htSkinCaption;
        default:
            return htSkinCaption;
        }
    }
    if (f.maximized && !Rect{2, 2, f.window.width - 4, f.window.height - 4}.Contains(p))
        return htSkinTransparent;
    return htNowhere;
}

int CaptionButtonOfHit(int hitCode)
{
    switch (hitCode) {
    case htSkinClose: return cbClose;
    case htSkinMaximize: return cbMaximize;
    case htSkinMinimize: return cbMinimize;
    case htSkinHelp: return cbHelp;
    default: return -1;
    }
}
