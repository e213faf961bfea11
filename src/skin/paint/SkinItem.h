#pragma once
// The whole look of a skin section in a rectangle: its background, its corner
// images and its border image.

#include <string_view>

#include "gfx/PixelView.h"
#include "skin/paint/ControlSkin.h"
#include "skin/paint/SkinBackground.h"

class TsSkinModel;

// Section background (hot fields when state is not 0), then the corner
// images IMGTOPLEFT, IMGTOPRIGHT, IMGBTMLEFT and IMGBTMRIGHT drawn into the
// corners over the bitmap itself, then the BORDERSMASK frame of 'state' with
// corners on the background. Nothing without a model, a valid section, or
// with a rect that is empty or not wholly inside the bitmap.
void PaintSkinItem(int sectionIndex, std::string_view sectionName, const TsBgSource& bg, int hotTextureIndex,
                   int textureIndex, const TsSkinModel* model, View24 bitmap, Point offset, const Rect& rect, int state,
                   bool fillCentre);

// The same for a control: its section, colour (when CustomColor) and border
// mask; the border is drawn before the corner images here.
void PaintControlItem(const TsControlSkin& control, const TsBgSource& bg, bool fillCentre, int hotTextureIndex,
                      int textureIndex, bool cornersOnBackground, View24 bitmap, Point offset, const Rect& rect,
                      int state);

// The section background a control paints under its own content.
void PaintControlBackground(const TsControlSkin& control, const TsBgSource& bg, bool hot, View24 bitmap, Point offset,
                            const Rect& rect);

// Forms and dialogs: the fast section background with the given texture
// indexes, then the given border mask (centre included) when it is valid.
void PaintSkinItemFast(int sectionIndex, int hotTextureIndex, int textureIndex, const TsSkinModel* model,
                       View24 bitmap, Point offset, const Rect& rect, int state, bool cornersOnBackground,
                       const TsBgSource& bg, int borderMaskIndex);
