#pragma once
// The program's icon, drawn by code so it can be regenerated bit for bit:
// two overlapping white windows with blue title bars.

#include <cstdint>
#include <vector>

#include "gfx/PixelView.h"

// The picture at one size, 32 bits with alpha.
Image32 DrawProgramIcon(int size);

// A complete .ico file with the picture at 128, 64, 48, 32, 24 and 16 pixels.
std::vector<std::uint8_t> BuildProgramIconFile();
