#include "SkinPainter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamples = 4;
const Rgb24 kFuchsia{255, 0, 255};

double RoundRectDistance(double x, double y, double x0, double y0, double x1, double y1, double r)
{
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    double hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
    double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - r;
}

double Cross(double ax, double ay, double bx, double by, double px, double py)
{
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

uint8_t Channel(double v)
{
    return uint8_t(std::lround(std::clamp(v, 0.0, 255.0)));
}

}  // namespace

Colour Mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The palette's tone, applied to every colour as it becomes a pixel: the
// shapes and their colour relations are drawn once, the palette decides
// where on the light-dark scale they land.
namespace {
Colour (*pixelTone)(Colour) = nullptr;
}

void SetPixelTone(Colour (*tone)(Colour))
{
    pixelTone = tone;
}

Rgb24 ToPixel(Colour c)
{
    if (pixelTone)
        c = pixelTone(c);
    return {Channel(c.b), Channel(c.g), Channel(c.r)};
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius)
{
    return [=](double x, double y) { return RoundRectDistance(x, y, x0, y0, x1, y1, radius) <= 0; };
}

Shape RoundRing(double x0, double y0, double x1, double y1, double radius, double thickness)
{
    double inner = std::max(radius - thickness, 0.0);
    return [=](double x, double y) {
        return RoundRectDistance(x, y, x0, y0, x1, y1, radius) <= 0 &&
               RoundRectDistance(x, y, x0 + thickness, y0 + thickness, x1 - thickness, y1 - thickness, inner) > 0;
    };
}

Shape Disc(double cx, double cy, double radius)
{
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; };
}

Shape Ring(double cx, double cy, double radius, double thickness)
{
    return [=](double x, double y) {
        double d = std::hypot(x - cx, y - cy);
        return d <= radius && d > radius - thickness;
    };
}

Shape Stroke(double ax, double ay, double bx, double by, double width)
{
    return [=](double x, double y) {
        double dx = bx - ax, dy = by - ay;
        double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        return std::hypot(x - (ax + t * dx), y - (ay + t * dy)) <= width / 2;
    };
}

Shape Triangle(double ax, double ay, double bx, double by, double cx, double cy)
{
    return [=](double x, double y) {
        double d1 = Cross(ax, ay, bx, by, x, y), d2 = Cross(bx, by, cx, cy, x, y), d3 = Cross(cx, cy, ax, ay, x, y);
        bool negative = d1 < 0 || d2 < 0 || d3 < 0, positive = d1 > 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    };
}

Shape Union(std::vector<Shape> shapes)
{
    return [shapes = std::move(shapes)](double x, double y) {
        return std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) { return s(x, y); });
    };
}

Paint Flat(Colour c)
{
    return [c](double, double) { return c; };
}

Paint VerticalGradient(double y0, Colour top, double y1, Colour bottom)
{
    return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

Layer::Layer(int width, int height) : width_(width), height_(height), pixels_(std::size_t(width * height)) {}

void Layer::Fill(const Shape& shape, const Paint& paint, double opacity)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) ? 1 : 0;
            if (inside == 0)
                continue;
            double a = opacity * inside / (kSamples * kSamples);
            Colour c = paint(x + 0.5, y + 0.5);
            Premultiplied& p = pixels_[std::size_t(y * width_ + x)];
            p = {c.r * a + p.r * (1 - a), c.g * a + p.g * (1 - a), c.b * a + p.b * (1 - a), a + p.a * (1 - a)};
        }
    }
}

double Layer::Alpha(int x, int y) const
{
    return pixels_[std::size_t(y * width_ + x)].a;
}

Colour Layer::ColourAt(int x, int y) const
{
    const Premultiplied& p = pixels_[std::size_t(y * width_ + x)];
    if (p.a <= 0)
        return {};
    return {p.r / p.a, p.g / p.a, p.b / p.a};
}

void PutMasked(Image24& target, int x, int y, int maskDy, const Layer& layer)
{
    for (int ly = 0; ly < layer.Height(); ++ly) {
        for (int lx = 0; lx < layer.Width(); ++lx) {
            double a = layer.Alpha(lx, ly);
            uint8_t mask = Channel(255 * (1 - a));
            bool empty = mask == 255;
            target.At(x + lx, y + ly) = empty ? kFuchsia : ToPixel(layer.ColourAt(lx, ly));
            target.At(x + lx, y + maskDy + ly) = {mask, mask, mask};
        }
    }
}

void PutKeyed(Image24& target, int x, int y, const Layer& layer, Colour background, double threshold)
{
    for (int ly = 0; ly < layer.Height(); ++ly) {
        for (int lx = 0; lx < layer.Width(); ++lx) {
            double a = layer.Alpha(lx, ly);
            target.At(x + lx, y + ly) =
                a < threshold ? kFuchsia : ToPixel(Mix(background, layer.ColourAt(lx, ly), a));
        }
    }
}

void PutOpaque(Image24& target, int x, int y, const Layer& layer, Colour background)
{
    PutKeyed(target, x, y, layer, background, -1);
}
