#pragma once
// The default glyphs of the edits' buttons, loaded once from the program's
// resources at module start and shared by every edit until the end: "SF"
// for BTN_OPENFILE, "SR" for BTN_OPENFOLDER, "SD" for BTN_DATE, "SE" for
// BTN_ELLIPSIS, "SC" for BTN_CALC. A glyph that fails to load is left out.

#include <string_view>

class TBitmap;

// Loads the five glyphs (again only after ReleaseDefaultGlyphs).
void LoadDefaultGlyphs();
void ReleaseDefaultGlyphs();
// The glyph of a default name, loading them first if needed; nullptr when
// the name is unknown or its glyph did not load.
TBitmap* DefaultGlyph(std::string_view name);
