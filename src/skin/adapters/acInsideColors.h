#pragma once
// The insides of the system's dialogs that the system draws itself (file
// and folder lists, edits, combo boxes and their lists) come in the system's
// window colours, whatever the skin around them. On a skin where the
// system's window text would not read on the skin's EDIT colour (a dark
// skin) that section's colour and font colour stand in for them; on any
// other skin (the light internal one) the system's colours stay untouched.

#include <windows.h>

#include <optional>

#include "gfx/Geometry.h"

class TsSkinManager;

struct TsInsideColors {
    COLORREF Window = 0;  // the background of lists, edits and combo boxes
    COLORREF Text = 0;    // their text
};

// The skin's colours for the system-drawn insides, or nothing while the
// system's own stay (no manager, no skin, no EDIT section, or a skin the
// system's colours read on).
std::optional<TsInsideColors> SkinInsideColors(const TsSkinManager* manager);

// The fill under a dialog's edit or list inside its frame: the skin's
// window colour where it stands in, else the system's.
COLORREF InsideWindowColor(const TsSkinManager* manager);

// Swaps the system's window colour and window text colour inside r (dc's
// logical coordinates) for colors: an item the system drew in fixed colours
// (the open-file dialog's "Look in" items). Other colours stay.
void RecolorSystemDrawn(HDC dc, const Rect& r, const TsInsideColors& colors);
