#pragma once
// The frame of a glyph push button: its styles, the draw state of one paint,
// and the rectangles of the classic and the themed frame. Pure geometry; the
// button draws the edges these rectangles describe.

#include "gfx/Geometry.h"

enum class TPvxUserButtonStyle {
    ubsWin31,
    ubsWin40,
    ubsClassicBevel,
    ubsClassicBevelFlat,
    ubsFlat,
    ubsFlatUnColored,
    ubsNavigator,
    ubsExplorer,
    ubsExplorerColored,
    ubsIntegrated,
    ubsCombo,
    ubsOffice,
    ubsOfficeTransp,
    ubsWin40Ext,
};

// The state one paint draws; the numbers index a glyph strip.
enum class TPvxDrawState { Normal = 0, Disabled = 1, Hot = 2, Pressed = 4 };

// Disabled wins, then pressed (the platform says the button is selected),
// then hot (the pointer is inside).
TPvxDrawState ChooseDrawState(bool enabled, bool selected, bool mouseInside);

// Styles drawn over the parent's background rather than a filled face.
bool IsTransparentStyle(TPvxUserButtonStyle style);
// Styles whose frame the platform's visual style draws when themes are on.
bool IsThemeableStyle(TPvxUserButtonStyle style);
// Styles whose glyph holder carries the glyph style flag.
bool UsesGlyphStyle(TPvxUserButtonStyle style);

// The state of the themed push-button part (the platform's numbering:
// normal 1, hot 2, pressed 3, disabled 4, defaulted 5). Disabled wins over
// pressed, pressed over hot, hot over defaulted.
int ThemePushButtonState(TPvxDrawState state, bool focused, bool mouseInside);

enum class TPvxEdgeKind {
    Raised,  // 1-pixel raised bevel
    Hot,     // full raised button: soft outer ring plus a shadow line right and bottom
    Sunken,  // 2-pixel sunken bevel
};

// The classic frame of one paint, in client coordinates.
struct TPvxClassicFrame {
    bool outline = false;  // 1-pixel outline along the client rectangle
    Rect edge;             // where the edge is drawn
    TPvxEdgeKind edgeKind = TPvxEdgeKind::Raised;
    bool focusRect = false;
    Rect focus;            // the focus rectangle, when focusRect
    Rect content;          // where glyph and caption go
};

// The classic frame: an outline when active or focused (not while pressed);
// the edge by state; a focus rectangle 3 pixels inside the edge (4 while
// pressed) when active; the content 3 pixels inside the edge, 1 pixel right
// and down while pressed. "active" means active and enabled.
TPvxClassicFrame ClassicFrame(const Rect& client, TPvxDrawState state, bool mouseInside,
                              bool active, bool focused);

struct TPvxThemedFrame {
    Rect part;     // the themed part: the client grown by 1 on every side
    Rect content;  // 3 inside the part, 2 inside the client; never shifts
};

TPvxThemedFrame ThemedFrame(const Rect& client);
