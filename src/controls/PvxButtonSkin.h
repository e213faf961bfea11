#pragma once
// The skin's face for the glyph button. The button draws itself in the
// platform's look, which is a light face with dark text; on a skin whose
// forms are dark that face glares out of the window and the button's own
// text colour no longer reads on the surface around it. There the skin's
// BUTTON section stands in for the platform's face (the look of the skinned
// push buttons next to it) and its font colours for the caption's. On a skin
// where the caption reads (the light internal skin) nothing changes.

#include "skin/paint/SectionRef.h"
#include "skin/paint/SkinBackground.h"
#include "toolkit/Colors.h"

class TControl;

// Whether an engine command may change the face: a skin loaded, removed or repainted.
bool ChangesSkinFace(unsigned command);

// The default manager's BUTTON section when the skin should draw the face of
// a button whose font colour is fontColor; an unresolved reference while the
// platform's look stays.
TsSectionRef SkinButtonFace(TColor fontColor);

// The face for state (0 normal, 1 hot, 2 pressed) over the whole of pixels:
// what lies behind, the section's background, then its border image.
void PaintSkinButtonFace(View24 pixels, const TsSectionRef& face, int state, const TsBgSource& behind);

// The caption's colour on that face: the section's font colour, its hot one
// when lit (hot or pressed).
TColor SkinButtonTextColor(const TsSectionRef& face, bool lit);
