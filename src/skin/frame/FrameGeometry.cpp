#include "skin/frame/FrameGeometry.h"

namespace {

bool SingleOrSizeable(TsFrameStyle s)
{
    return s == TsFrameStyle::bsSingle || s == TsFrameStyle::bsSizeable;
}

int CaptionHeightOf(const TsFormFrameState& f, const TsSystemFrameMetrics& m)
{
    if (!((HasFrameBorder(f) && f.hasCaption) || f.minimized))
        return 0;
    bool tool = f.style == TsFrameStyle::bsToolWindow || f.style == TsFrameStyle::bsSizeToolWin;
    return tool ? m.smallCaptionHeight : m.captionHeight;
}

// The window system's frame thickness: the fixed dialog frame or the sizing frame.
bool FixedFrame(const TsFormFrameState& f)
{
    if (f.mdiChild)
        return f.style == TsFrameStyle::bsSingle || f.style == TsFrameStyle::bsToolWindow;
    return f.style == TsFrameStyle::bsSingle || f.style == TsFrameStyle::bsDialog ||
           f.style == TsFrameStyle::bsToolWindow;
}

}  // namespace

bool HasFrameBorder(const TsFormFrameState& form)
{
    return form.style != TsFrameStyle::bsNone || form.mdiChild;
}

int CaptionIconSize(int captionHeight)
{
    if (captionHeight < 9)
        return 0;
    if (captionHeight <= 16)
        return 8;
    if (captionHeight <= 27)
        return 16;
    return 32;
}

TsFrameGeometry ComputeFrameGeometry(const TsFormFrameState& f, const TsSystemFrameMetrics& m,
                                     const TsCaptionImages& images)
{
    TsFrameGeometry g;
    g.captionHeight = CaptionHeightOf(f, m);
    if (HasFrameBorder(f)) {
        bool fixed = FixedFrame(f);
        g.frameWidth = fixed ? m.dialogFrame : m.sizingFrame;
        g.frameHeight = fixed ? m.dialogFrameHeight : m.sizingFrameHeight;
    }
    g.bottomFrame = g.frameHeight + f.borderWidth;
    g.formWidth = f.window.width;
    g.menuHeight = f.hasMainMenu ? m.menuHeight - 1 : 0;
    int header = g.captionHeight != 0 ? f.window.height - f.client.height - g.frameHeight - f.borderWidth
                                      : f.window.height - f.client.height;
    if (header < 0)
        header = 0;
    if (f.minimized)
        header += g.frameHeight;
    g.headerHeight = header - f.hScrollHeight;
    g.clientOffset = {(f.window.width - f.client.width - f.vScrollWidth) / 2,
                      f.window.height - f.client.height - g.bottomFrame * (g.captionHeight != 0 ? 1 : 0) -
                          f.hScrollHeight};

    bool iconShown = f.showAppIcon && SingleOrSizeable(f.style);
    if (iconShown) {
        g.iconWidth = f.titleIcon.width != 0 ? f.titleIcon.width : CaptionIconSize(g.captionHeight);
        g.iconHeight = f.titleIcon.height != 0 ? f.titleIcon.height : CaptionIconSize(g.captionHeight);
    }
    int iconTop = (g.captionHeight + g.frameHeight - g.iconHeight) / 2;
    g.iconRect = {g.frameWidth, iconTop, g.frameWidth + g.iconWidth, iconTop + g.iconHeight};

    g.buttonSpacing = SingleOrSizeable(f.style) ? images.skinSpacing : 0;
    g.maxVisible = f.hadSystemMenu &&
                   (f.minimized || f.mdiChild || (SingleOrSizeable(f.style) && (f.icons & fiMaximize)));
    g.minVisible = f.hadSystemMenu &&
                   (f.minimized || f.mdiChild || (SingleOrSizeable(f.style) && (f.icons & fiMinimize)));
    if (f.hadSystemMenu) {
        g.buttonsWidth = images.closeWidth + g.buttonSpacing;
        if (g.maxVisible)
            g.buttonsWidth += images.maximizeWidth + g.buttonSpacing;
        if (g.minVisible)
            g.buttonsWidth += images.minimizeWidth + g.buttonSpacing;
        if (f.icons & fiHelp)
            g.buttonsWidth += images.helpWidth + g.buttonSpacing;
    }
    return g;
}
