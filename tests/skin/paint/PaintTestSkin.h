#pragma once
// A small skin for the painting tests, with a master bitmap drawn as letters:
//
//   columns 0..5, rows 0..1   ARROW: three 2 x 2 glyph frames, key pixels at
//                             the corners ("RK GK UK" over "KR KG KU")
//   columns 0..5, rows 2..5   FADED: three black 2 x 2 glyph frames over
//                             their mask rows black, white and grey 5 (125)
//   columns 0..1, rows 6..7   TEX: the texture "RG" / "UW"
//   columns 2..3, rows 6..9   GRIP: black dots "BB" over the mask "BW" / "WB"
//   columns 6..8, rows 0..2   BOX: a 3 x 3 border, key corners, sides 2, centre 5
//
// and sections CLEAR, PLAIN, GRAD, GRADNOSEG, HALF, TINT, TEXTURED, TEXGRAD,
// GRIP, HOTTY, CORNERED and GLYPHS (see PaintTestSkin.cpp).

#include "skin/model/SkinModel.h"

const TsSkinModel& PaintTestSkin();
// The internal skin, loaded once.
const TsSkinModel& OpusSkin();

int SectionOf(const TsSkinModel& skin, const char* name);
// The index of a section's mask for a key (-1 when it has none).
int MaskOf(const TsSkinModel& skin, const char* section, const char* key);
const TsMaskData& MaskDataOf(const TsSkinModel& skin, const char* section, const char* key);
