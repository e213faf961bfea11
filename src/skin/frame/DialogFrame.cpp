#include "skin/frame/DialogFrame.h"

namespace ds = dialogstyle;

TsDialogFrameKind DialogFrameKind(uint32_t style)
{
    bool caption = (style & ds::Caption) == ds::Caption;
    if ((style & ds::Popup) && !caption)
        return dfNone;
    if (style & ds::ThickFrame)
        return dfSizeable;
    if (style & ds::ModalFrame)
        return dfDialog;
    return dfSizeable;
}

namespace {

TsFrameStyle FrameStyleOfKind(TsDialogFrameKind kind)
{
    switch (kind) {
    case dfDialog: return TsFrameStyle::bsDialog;
    case dfSingle: return TsFrameStyle::bsSingle;
    case dfNone: return TsFrameStyle::bsNone;
    case dfSizeable: return TsFrameStyle::bsSizeable;
    case dfToolWindow: return TsFrameStyle::bsToolWindow;
    case dfSizeToolWin: return TsFrameStyle::bsSizeToolWin;
    }
    return TsFrameStyle::bsSizeable;
}

bool Resizable(TsDialogFrameKind kind)
{
    return kind == dfSingle || kind == dfSizeable || kind == dfSizeToolWin;
}

}  // namespace

bool DialogUsesBigImages(TsDialogFrameKind kind)
{
    return kind == dfSingle || kind == dfSizeable;
}

TsFormFrameState DialogFrameState(const TsDialogFrameFacts& d)
{
    TsFormFrameState f;
    f.style = FrameStyleOfKind(d.kind);
    f.icons = 0;
    if (d.style & ds::SysMenu)
        f.icons |= fiSystemMenu;
    if (d.style & ds::MinimizeBox)
        f.icons |= fiMinimize;
    if (d.style & ds::MaximizeBox)
        f.icons |= fiMaximize;
    if (d.exStyle & ds::ContextHelp)
        f.icons |= fiHelp;
    f.hasCaption = (d.currentStyle & ds::Caption) == ds::Caption;
    f.minimized = d.minimized;
    f.maximized = d.maximized;
    f.hadSystemMenu = (d.style & ds::SysMenu) != 0;
    f.showAppIcon = false;
    f.window = d.window;
    f.client = d.client;
    f.hScrollHeight = d.hScrollHeight;
    f.vScrollWidth = d.vScrollWidth;
    return f;
}

TsFrameGeometry ComputeDialogGeometry(const TsDialogFrameFacts& d, const TsSystemFrameMetrics& m,
                                      TsCaptionImages images)
{
    images.skinSpacing = 0;
    const TsFormFrameState f = DialogFrameState(d);
    TsFrameGeometry g = ComputeFrameGeometry(f, m, images);
    if (d.hasIcon && g.captionHeight != 0) {
        g.iconWidth = d.smallIcon.width;
        g.iconHeight = d.smallIcon.height;
        int top = (g.captionHeight + g.frameHeight - g.iconHeight) / 2;
        g.iconRect = {g.frameWidth, top, g.frameWidth + g.iconWidth, top + g.iconHeight};
    }
    g.buttonSpacing = 0;
    g.maxVisible = f.hadSystemMenu && (d.style & ds::MaximizeBox);
    g.minVisible = f.hadSystemMenu && (d.style & ds::MinimizeBox);
    g.buttonsWidth = 0;
    if (f.hadSystemMenu) {
        g.buttonsWidth = images.closeWidth;
        if (g.maxVisible)
            g.buttonsWidth += images.maximizeWidth;
        if (g.minVisible)
            g.buttonsWidth += images.minimizeWidth;
        if (f.icons & fiHelp)
            g.buttonsWidth += images.helpWidth;
    }
    return g;
}

TsCaptionButtonRules DialogButtonRules(const TsDialogFrameFacts& d)
{
    TsCaptionButtonRules r;
    bool maxBox = d.style & ds::MaximizeBox;
    r.maxEnabled = maxBox && !d.maximized && Resizable(d.kind);
    r.minEnabled = (d.style & ds::MinimizeBox) && !d.minimized;
    r.restoreEnabled = maxBox && (d.minimized || d.maximized);
    r.bigImages = DialogUsesBigImages(d.kind);
    return r;
}
