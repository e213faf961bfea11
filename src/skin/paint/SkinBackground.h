#pragma once
// What lies behind a painted area: the parent's picture at an offset, or the
// parent's colour, as every skin painter receives it, and the question a
// control asks its parent to get it.

#include <cstdint>

#include "gfx/HoleFill.h"
#include "gfx/PixelView.h"
#include "skin/model/SkinColors.h"

// Target pixel (x, y) of a painter lies over pixel (x + OffsetX, y + OffsetY)
// of Image. A source built from a picture has FillColor kSkinKeyColor; one
// with neither a picture nor a colour other than kSkinKeyColor is empty.
struct TsBgSource {
    ConstView24 Image;  // borrowed from the parent's cache
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    int32_t FillColor = kSkinKeyColor;
    bool IsImage = false;

    bool HasImage() const { return IsImage && !Image.IsEmpty(); }
    bool HasColor() const { return !HasImage() && FillColor != kSkinKeyColor; }
    bool IsEmpty() const { return !HasImage() && !HasColor(); }
};

TsBgSource BgFromImage(ConstView24 image, int offsetX, int offsetY);
TsBgSource BgFromColor(int32_t color);
// The same background seen from a target that lies 'by' further into it.
TsBgSource ShiftedBg(const TsBgSource& bg, Point by);

// A control's question to its parent, and the answer in place.
struct TsBgQuery {
    uint8_t Kind = 0;  // 0 not answered, 1 a colour, 2 a picture
    ConstView24 Image;
    int32_t Color = kSkinKeyColor;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    Rect Area;  // the area wanted, in the parent's coordinates
    uint8_t PaintNow = 0;
    void* TargetDC = nullptr;  // the platform's device context when PaintNow is set
};

// A picture answer keeps its picture and offset; any other answer becomes its
// colour as RGB.
TsBgSource QueryToSource(const TsBgQuery& query);

// The colour as pixels, system colours resolved.
inline Rgb24 SkinRgb(int32_t color)
{
    return ToRgb24(uint32_t(ResolveSkinColor(color)));
}

// Holes that show the background: its picture, or its colour; an empty
// background leaves the target's pixels.
HoleFill HolesShowing(const TsBgSource& bg);

// Puts what lies behind rect into it: the picture at the offset or the colour.
// Parts the picture does not reach are left. False for an empty background.
bool PaintBgInto(View24 target, const Rect& rect, const TsBgSource& bg);
