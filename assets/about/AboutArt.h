#pragma once
// The About box's pictures, drawn by code so they regenerate bit for bit:
// the 147 x 110 link picture, and the OK button's glyph (two 18 x 18 images
// side by side, normal and disabled; the bottom-left pixel's colour is the key).

#include "gfx/PixelView.h"

Image24 DrawAboutPicture();
Image24 DrawOkGlyph();
