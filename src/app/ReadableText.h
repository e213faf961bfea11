#pragma once
// Text colours the program fixes for itself, kept readable on the active
// skin: a fixed colour stays wherever it reads on the skin's form colour (on
// the light internal skin it always does), else the skin's own colour for
// that kind of text stands in for it.

#include "toolkit/Colors.h"

// section: the skin section whose text colour stands in; hot: its hot colour.
TColor ReadableText(TColor fixed, const char* section = "FORM", bool hot = false);
