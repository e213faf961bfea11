#pragma once
// The default glyphs of the edits' buttons, drawn by code so they regenerate
// bit for bit. Each is 60 x 34, 24-bit: three 20 x 34 frames side by side
// (normal, hot, pressed); in each frame the upper 17 rows are the picture, on
// black, and the lower 17 rows its mask: black where the picture is opaque,
// white where it is transparent, greys along its soft edges.

#include <vector>

#include "gfx/PixelView.h"

inline constexpr int kEditGlyphFrameWidth = 20;
inline constexpr int kEditGlyphPictureHeight = 17;
inline constexpr int kEditGlyphFrames = 3;

// An open yellow folder with a blue curved arrow above it (open file).
Image24 DrawOpenFileGlyph();
// A closed yellow folder (open folder).
Image24 DrawOpenFolderGlyph();
// A calendar leaf with a red band (date).
Image24 DrawDateGlyph();
// Three dark dots (ellipsis).
Image24 DrawEllipsisGlyph();
// A small grey calculator (calculator).
Image24 DrawCalcGlyph();

struct EditGlyph {
    const char* resourceName;  // also the file name in assets/editglyphs, with ".bmp"
    Image24 (*draw)();
};
// "SF", "SR", "SD", "SE", "SC" in that order.
const std::vector<EditGlyph>& EditGlyphs();
