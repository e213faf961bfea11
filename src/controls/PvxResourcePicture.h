#pragma once
// Pictures kept as BITMAP resources of the program, read as top-down pixels.

#include <windows.h>

#include "gfx/PixelView.h"

struct TPvxResourcePicture {
    Image32 pixels;
    int bitsPerPixel = 0;  // of the stored picture: 32 keeps its alpha byte
};

// Reads the BITMAP resource `name`; throws an Exception naming it when the
// module has no such resource.
TPvxResourcePicture LoadResourcePicture(HINSTANCE instance, const char* name);
