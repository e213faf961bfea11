#include "controls/sEditGlyphLayout.h"

#include <algorithm>

int EditButtonWidth(int glyphFrameWidth, bool shown)
{
    return shown ? std::max(glyphFrameWidth, 0) + 2 : 0;
}

Rect EditTextArea(Size client, int buttonWidth)
{
    return {0, 0, std::max(client.width - buttonWidth, 0), client.height};
}

int EditGlyphFrame(bool pressed, bool mouseOver)
{
    if (pressed)
        return kEditGlyphPressedFrame;
    return mouseOver ? kEditGlyphHotFrame : kEditGlyphNormalFrame;
}

Point EditGlyphPosition(Size button, Size picture)
{
    return {(button.width - picture.width) / 3, (button.height - picture.height) / 2};
}

TsEditGlyphLook EditGlyphLook(bool editActive, bool mouseOverButton, bool grayed, int blend)
{
    if (editActive || mouseOverButton)
        return {};
    return {grayed, std::clamp(blend, 0, 100)};
}
