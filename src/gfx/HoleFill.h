#pragma once
// What shows through a hole (a key-colour pixel) of a copied picture: the
// target's own pixel, a colour, or the pixel of a background picture.

#include "gfx/PixelView.h"

struct HoleFill {
    enum class Kind { Keep, Color, Image };
    Kind kind = Kind::Keep;
    Rgb24 color{};
    ConstView24 image{};
    Point offset{};  // the pixel of image that lies under target pixel (0, 0)

    static HoleFill KeepTarget() { return {}; }
    static HoleFill WithColor(Rgb24 c) { return {Kind::Color, c, {}, {}}; }
    static HoleFill FromImage(ConstView24 picture, Point at) { return {Kind::Image, {}, picture, at}; }

    // Puts what shows through into the target pixel at (x, y); a background
    // picture that does not reach that far leaves the pixel as it was.
    void Fill(Rgb24& pixel, int x, int y) const
    {
        if (kind == Kind::Color) {
            pixel = color;
        } else if (kind == Kind::Image) {
            int ix = x + offset.x, iy = y + offset.y;
            if (ix >= 0 && iy >= 0 && ix < image.Width() && iy < image.Height())
                pixel = image.Row(iy)[ix];
        }
    }
};
