#pragma once
// The geometry of an edit's button and its glyph: the button's width, the
// text area left beside it, which frame of the glyph a state shows, where the
// frame goes, and when the glyph is drawn grey or blended.

#include "gfx/Geometry.h"

inline constexpr int kEditGlyphNormalFrame = 0;
inline constexpr int kEditGlyphHotFrame = 1;
inline constexpr int kEditGlyphPressedFrame = 2;

// The glyph's frame width plus 2 while the button is shown, else 0.
int EditButtonWidth(int glyphFrameWidth, bool shown);

// The edit's formatting rectangle: from the left edge to the client width
// less the button's width, over the full client height.
Rect EditTextArea(Size client, int buttonWidth);

// Pressed: the third frame; the mouse over the button: the second; else the first.
int EditGlyphFrame(bool pressed, bool mouseOver);

// The top-left corner of a frame whose picture is 'picture' big, in a
// button of 'button' size: ((button width - picture width) div 3,
// (button height - picture height) div 2), truncated toward zero.
Point EditGlyphPosition(Size button, Size picture);

// How the glyph is drawn: grey, and blended toward the button's face by
// 'blend' percent (0: not at all). Both apply only while the edit is not
// active (hot or focused) and the mouse is not over the button.
struct TsEditGlyphLook {
    bool gray = false;
    int blend = 0;
};
TsEditGlyphLook EditGlyphLook(bool editActive, bool mouseOverButton, bool grayed, int blend);
