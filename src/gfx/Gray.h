#pragma once
// Greying a picture: every pixel gets the mean of its three channels.

#include "gfx/PixelView.h"

// (b + g + r) div 3 in all three channels.
void MakeGray(View24 target);
// The same, leaving pixels of one colour (a key colour) untouched.
void MakeGrayExcept(View24 target, Rgb24 kept);
