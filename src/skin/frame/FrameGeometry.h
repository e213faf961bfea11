#pragma once
// The geometry of a skinned form's frame, derived from the window's own
// metrics (the window system keeps its caption height and frame thickness;
// the skin only paints over them). Pure functions, used alike by painting,
// hit testing and the window region.

#include "gfx/Geometry.h"

enum class TsFrameStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TsFrameIcon : unsigned { fiSystemMenu = 1, fiMinimize = 2, fiMaximize = 4, fiHelp = 8 };

// The platform's metrics the frame depends on.
struct TsSystemFrameMetrics {
    int captionHeight = 0;       // SM_CYCAPTION
    int smallCaptionHeight = 0;  // SM_CYSMCAPTION
    int dialogFrame = 0;         // SM_CXDLGFRAME (and SM_CYDLGFRAME)
    int dialogFrameHeight = 0;
    int sizingFrame = 0;         // SM_CXFRAME (and SM_CYFRAME)
    int sizingFrameHeight = 0;
    int menuHeight = 0;          // SM_CYMENU
};

// A form's state as its frame sees it.
struct TsFormFrameState {
    TsFrameStyle style = TsFrameStyle::bsSizeable;
    unsigned icons = fiSystemMenu | fiMinimize | fiMaximize;
    bool hasCaption = true;      // the window has both WS_BORDER and WS_DLGFRAME
    bool minimized = false;
    bool maximized = false;
    bool mdiChild = false;
    bool hasMainMenu = false;
    bool hadSystemMenu = true;   // the skin took WS_SYSMENU away and keeps the buttons
    bool showAppIcon = true;
    Size titleIcon;              // 0: automatic
    Size window;                 // the window rectangle's size
    Size client;                 // the client area's size
    int borderWidth = 0;         // the form's BorderWidth property
    int hScrollHeight = 0;       // skinned scroll bars of the form itself
    int vScrollWidth = 0;
};

// The sizes of the caption button images and the skin's spacing.
struct TsCaptionImages {
    int closeWidth = 21, maximizeWidth = 21, minimizeWidth = 21, helpWidth = 21;
    bool closeValid = false, maximizeValid = false, minimizeValid = false, helpValid = false;
    int buttonHeight = 21;       // from the close button's image
    int skinSpacing = 0;         // GLOBALINFO BISPACE
};

struct TsFrameGeometry {
    int captionHeight = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    int bottomFrame = 0;
    int formWidth = 0;
    int menuHeight = 0;
    int headerHeight = 0;        // everything above the client area
    Point clientOffset;          // the client area's position in the window
    int iconWidth = 0;
    int iconHeight = 0;
    Rect iconRect;
    int buttonSpacing = 0;       // BISpacing
    bool maxVisible = false;
    bool minVisible = false;
    int buttonsWidth = 0;        // room taken by the caption buttons
};

bool HasFrameBorder(const TsFormFrameState& form);
// The automatic caption icon's side for a caption this high.
int CaptionIconSize(int captionHeight);
TsFrameGeometry ComputeFrameGeometry(const TsFormFrameState& form, const TsSystemFrameMetrics& system,
                                     const TsCaptionImages& images);
