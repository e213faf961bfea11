#pragma once
// A skinned form's caption buttons: where they sit (right to left from the
// frame's right edge) and what a point of the window hits. Window
// coordinates of the form throughout.

#include <array>

#include "skin/frame/FrameGeometry.h"

enum TsCaptionButton { cbClose, cbMaximize, cbMinimize, cbHelp };
constexpr int kCaptionButtons = 4;

// Hit codes: the window system's, and the skin's own for a maximized window's edge.
constexpr int htNowhere = 0, htSkinCaption = 2, htSkinSysMenu = 3, htSkinMinimize = 8, htSkinMaximize = 9,
              htSkinGrip = 17, htSkinClose = 20, htSkinHelp = 21, htSkinTransparent = -1;

// Which buttons may act now.
struct TsCaptionButtonRules {
    bool maxEnabled = false;      // biMaximize and not maximized (a sizeable or single frame)
    bool minEnabled = false;      // biMinimize and not minimized
    bool restoreEnabled = false;  // maximized with biMaximize, or minimized
    bool bigImages = true;        // the images are GLOBALINFO's big BICON ones
    int verticalAlign = 0;        // the skin's BIVALIGN
};

struct TsCaptionButtonPlace {
    bool shown = false;  // the form has it and the skin an image for it
    Rect rect;           // inclusive of nothing: half-open, window coordinates
};

struct TsCaptionButtonLayout {
    std::array<TsCaptionButtonPlace, kCaptionButtons> buttons;
    const TsCaptionButtonPlace& operator[](TsCaptionButton b) const { return buttons[std::size_t(b)]; }
};

TsCaptionButtonLayout LayoutCaptionButtons(const TsFrameGeometry& g, const TsFormFrameState& form,
                                           const TsCaptionImages& images, const TsCaptionButtonRules& rules);

// The hit code of a point in window coordinates; htNowhere when the form's
// own handling decides (the caption band needs a caption).
int CaptionHitCode(Point p, const TsFrameGeometry& g, const TsFormFrameState& form,
                   const TsCaptionButtonLayout& layout, const TsCaptionButtonRules& rules, int buttonHeight);

// The button a hit code names, or -1.
int CaptionButtonOfHit(int hitCode);
