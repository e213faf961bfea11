#pragma once
// A skinned control's text in the colours of its section, or of the section
// a parent lends it when the control paints on its parent.

#include <string>

#include "skin/gdi/SkinText.h"

class TsCommonData;

// The colour section of the binding's owner: its own section, except for a
// control that paints on its parent (check boxes, radio buttons, group boxes,
// and graphic controls with ParentFont) whose section is transparent in this
// state: then the first ancestor whose section is at most 50 % transparent
// lends its section when that section gives its font (GiveOwnFont).
TsControlTextStyle TextStyleOf(const TsCommonData& binding, bool hot);

void DrawControlText(TCanvas& canvas, const std::string& text, bool enabled, bool hot, const TsCommonData& binding,
                     const TFont& font, UINT format, const Rect& rect);
