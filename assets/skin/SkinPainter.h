#pragma once
// Drawing for the skin image generator: anti-aliased shapes on a small RGBA
// layer, then written into a skin bitmap either with a mask row (coverage
// becomes the mask) or keyed (uncovered pixels become fuchsia holes).
// Everything is deterministic: the same program gives the same pixels.

#include <cstdint>
#include <functional>
#include <vector>

#include "gfx/PixelView.h"

struct Colour {
    double r = 0, g = 0, b = 0;
};

constexpr Colour Rgb(int r, int g, int b) { return {double(r), double(g), double(b)}; }
Colour Mix(Colour a, Colour b, double t);  // a at t = 0, b at t = 1
Rgb24 ToPixel(Colour c);
// Every colour passes through tone on its way to a pixel (nullptr: as drawn).
void SetPixelTone(Colour (*tone)(Colour));

// A shape answers whether a point (in pixel units, pixel centres at .5) is inside.
using Shape = std::function<bool(double x, double y)>;
// A paint answers the colour at a point.
using Paint = std::function<Colour(double x, double y)>;

Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
// The band between a rounded rectangle and the same inset by thickness.
Shape RoundRing(double x0, double y0, double x1, double y1, double radius, double thickness);
Shape Disc(double cx, double cy, double radius);
Shape Ring(double cx, double cy, double radius, double thickness);
// A line with round ends, width wide.
Shape Stroke(double ax, double ay, double bx, double by, double width);
Shape Triangle(double ax, double ay, double bx, double by, double cx, double cy);
Shape Union(std::vector<Shape> shapes);

Paint Flat(Colour c);
// From top at y0 to bottom at y1, clamped outside.
Paint VerticalGradient(double y0, Colour top, double y1, Colour bottom);

class Layer {
public:
    Layer(int width, int height);

    // Paints over the layer where the shape covers (4 x 4 samples per pixel).
    void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
    // Coverage 0..1 and colour of one pixel.
    double Alpha(int x, int y) const;
    Colour ColourAt(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    struct Premultiplied {
        double r = 0, g = 0, b = 0, a = 0;
    };
    int width_;
    int height_;
    std::vector<Premultiplied> pixels_;
};

// The layer at (x, y) with its mask row placed maskDy pixels below: image
// pixels hold the colour (fuchsia where nothing is drawn), mask pixels
// 255 - coverage x 255 (0 = the image, 255 = what lies underneath).
void PutMasked(Image24& target, int x, int y, int maskDy, const Layer& layer);
// The layer at (x, y) over an assumed background: pixels covered less than
// threshold become fuchsia, the others the colour blended over background.
void PutKeyed(Image24& target, int x, int y, const Layer& layer, Colour background, double threshold = 0.35);
// The layer at (x, y) over a background, every pixel opaque.
void PutOpaque(Image24& target, int x, int y, const Layer& layer, Colour background);
