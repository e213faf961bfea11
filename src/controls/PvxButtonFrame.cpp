#include "controls/PvxButtonFrame.h"

TPvxDrawState ChooseDrawState(bool enabled, bool selected, bool mouseInside)
{
    if (!enabled)
        return TPvxDrawState::Disabled;
    if (selected)
        return TPvxDrawState::Pressed;
    if (mouseInside)
        return TPvxDrawState::Hot;
    return TPvxDrawState::Normal;
}

bool IsTransparentStyle(TPvxUserButtonStyle style)
{
    return style == TPvxUserButtonStyle::ubsExplorer ||
           style == TPvxUserButtonStyle::ubsExplorerColored ||
           style == TPvxUserButtonStyle::ubsOfficeTransp;
}

bool IsThemeableStyle(TPvxUserButtonStyle style)
{
    switch (style) {
    case TPvxUserButtonStyle::ubsWin40Ext:
    case TPvxUserButtonStyle::ubsWin31:
    case TPvxUserButtonStyle::ubsWin40:
    case TPvxUserButtonStyle::ubsClassicBevel:
    case TPvxUserButtonStyle::ubsIntegrated:
        return true;
    default:
        return false;
    }
}

bool UsesGlyphStyle(TPvxUserButtonStyle style)
{
    return style == TPvxUserButtonStyle::ubsFlatUnColored ||
           style == TPvxUserButtonStyle::ubsNavigator || style == TPvxUserButtonStyle::ubsExplorer;
}

int ThemePushButtonState(TPvxDrawState state, bool focused, bool mouseInside)
{
    constexpr int normal = 1, hot = 2, pressed = 3, disabled = 4, defaulted = 5;
    if (state == TPvxDrawState::Disabled)
        return disabled;
    if (state == TPvxDrawState::Pressed)
        return pressed;
    if (mouseInside)
        return hot;
    return focused ? defaulted : normal;
}

TPvxClassicFrame ClassicFrame(const Rect& client, TPvxDrawState state, bool mouseInside,
                              bool active, bool focused)
{
    TPvxClassicFrame frame;
    bool pressed = state == TPvxDrawState::Pressed;
    Rect r = client;
    if (!pressed && (active || focused)) {
        frame.outline = true;
        r = r.Inflated(-1, -1);
    }
    frame.edge = r;
    if (pressed)
        frame.edgeKind = TPvxEdgeKind::Sunken;
    else if (mouseInside)
        frame.edgeKind = TPvxEdgeKind::Hot;
    if (active) {
        frame.focusRect = true;
        int inset = pressed ? 4 : 3;
        frame.focus = r.Inflated(-inset, -inset);
    }
    frame.content = r.Inflated(-3, -3);
    if (pressed)
        frame.content = frame.content.Translated(1, 1);
    return frame;
}

TPvxThemedFrame ThemedFrame(const Rect& client)
{
    Rect part = client.Inflated(1, 1);
    return {part, part.Inflated(-3, -3)};
}
