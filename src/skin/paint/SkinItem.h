#pragma once
// The whole look of a skin section in a rectangle: its background, its corner
// images and its border image.

#include "skin/paint/PaintTarget.h"
#include "skin/paint/SectionRef.h"

// Section background (hot fields when state is not 0), then the corner
// images IMGTOPLEFT, IMGTOPRIGHT, IMGBTMLEFT and IMGBTMRIGHT drawn into the
// corners over what was painted under them, then the BORDERSMASK frame of
// 'state' with its corners on the background. Only the part of rect inside
// the target changes; nothing without a valid section or for an empty rect.
void PaintSkinItem(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, int state,
                   bool fillCentre);

// How a control paints its section.
struct TsControlItemLook {
    bool FillCentre = false;           // the border image's centre too
    bool CornersOnBackground = true;   // the border's corner holes show what lies behind
    int32_t CustomColor = 0xFF00FF;    // the control's own colour instead of the section's (key colour: none)
};

// The same for a control: the border is drawn before the corner images here.
void PaintControlItem(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, int state,
                      const TsControlItemLook& look);

// Forms and dialogs: the fast section background, then the section's border
// image (centre included) when it has one.
void PaintSkinItemFast(const TsPaintTarget& target, const TsSectionRef& section, const Rect& rect, int state,
                       bool cornersOnBackground);
