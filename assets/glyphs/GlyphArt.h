#pragma once
// The pictures of the main window's four command buttons, 32 x 32, drawn by
// code so they can be regenerated bit for bit. The colour of each picture's
// bottom-left pixel is the colour the button leaves transparent.

#include <cstdint>
#include <vector>

#include "gfx/PixelView.h"

// Two overlapping white windows with blue title bars on pure black (the key).
Image32 DrawCompareGlyph();
// One empty white window with a blue title bar filling the square; only its
// bottom-left pixel has the key, a blue found nowhere else in it.
Image32 DrawClearFieldsGlyph();
// A white question mark on a blue disc, on pure black (the key).
Image32 DrawAboutGlyph();
// A white cross on a red disc, on pure black (the key).
Image32 DrawCloseGlyph();

// The key pixel of the Clear Fields picture.
inline constexpr Bgra32 ClearFieldsKey{0xF0, 0x30, 0x08, 0};

struct ButtonGlyph {
    const char* fileName;  // in assets/glyphs
    Image32 (*draw)();
};
// The four pictures in the order of the buttons.
const std::vector<ButtonGlyph>& ButtonGlyphs();

