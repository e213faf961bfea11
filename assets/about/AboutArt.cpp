#include "about/AboutArt.h"

#include <algorithm>
#include <cmath>

namespace {

Rgb24 Rgb(uint32_t rgb)
{
    return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16)};
}

Rgb24 Mix(Rgb24 a, Rgb24 b, double t)
{
    auto m = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * t)); };
    return {m(a.b, b.b), m(a.g, b.g), m(a.r, b.r)};
}

void Fill(Image24& image, Rect r, Rgb24 colour)
{
    r = r.Intersected({0, 0, image.Width(), image.Height()});
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            image.At(x, y) = colour;
}

// Distance from p to the segment a-b.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by)
{
    double dx = bx - ax, dy = by - ay;
    double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    double cx = ax + t * dx - px, cy = ay + t * dy - py;
    return std::sqrt(cx * cx + cy * cy);
}

// A check mark through three points, blended by coverage where smooth is set,
// else drawn with whole pixels (for glyphs drawn with a key colour).
void DrawCheck(Image24& image, const double (&pts)[6], double width, Rgb24 colour, bool smooth)
{
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            double px = x + 0.5, py = y + 0.5;
            double d = std::min(SegmentDistance(px, py, pts[0], pts[1], pts[2], pts[3]),
                                SegmentDistance(px, py, pts[2], pts[3], pts[4], pts[5]));
            double coverage = std::clamp(width / 2 + 0.5 - d, 0.0, 1.0);
            if (!smooth)
                coverage = coverage >= 0.5 ? 1.0 : 0.0;
            if (coverage > 0)
                image.At(x, y) = Mix(image.At(x, y), colour, coverage);
        }
    }
}

// A sheet of paper with a folded top-right corner and a few text lines.
void DrawSheet(Image24& image, Rect r, Rgb24 lines)
{
    const Rgb24 edge = Rgb(0x8FA3BF), paper = Rgb(0xFFFFFF), fold = Rgb(0xDCE4EF);
    int corner = 12;
    Fill(image, r, edge);
    Fill(image, r.Inflated(-1, -1), paper);
    for (int i = 0; i < corner; ++i) {
        int y = r.top + i;
        // cut the corner away along the diagonal, then shade the folded flap
        Fill(image, {r.right - corner + i + 1, y, r.right, y + 1}, image.At(0, 0));
        Fill(image, {r.right - corner, y, r.right - corner + i + 1, y + 1}, fold);
        image.At(r.right - corner + i, y) = edge;
    }
    Fill(image, {r.right - corner, r.top + corner - 1, r.right, r.top + corner}, edge);
    for (int y = r.top + 20, n = 0; y + 3 < r.bottom - 8; y += 8, ++n)
        Fill(image, {r.left + 8, y, r.right - (n % 3 == 2 ? 26 : 10), y + 3}, lines);
}

}  // namespace

Image24 DrawAboutPicture()
{
    Image24 image(147, 110);
    const Rgb24 top = Rgb(0xEAF2FB), bottom = Rgb(0xC9DCF2);
    for (int y = 0; y < image.Height(); ++y)
        Fill(image, {0, y, image.Width(), y + 1}, Mix(top, bottom, y / 109.0));
    // Background colour under the sheets' cut corners follows the gradient:
    // DrawSheet reads the top-left pixel, so draw each sheet on a plain band.
    DrawSheet(image, {22, 14, 78, 88}, Rgb(0xC3D0E2));
    DrawSheet(image, {62, 24, 118, 98}, Rgb(0xB4C6DE));

    // A green seal with a white check: the two files agree.
    const Rgb24 green = Rgb(0x2E9E4F), white = Rgb(0xFFFFFF);
    double cx = 113.5, cy = 80.5, radius = 19;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            double coverage = std::clamp(radius + 0.5 - d, 0.0, 1.0);
            if (coverage > 0)
                image.At(x, y) = Mix(image.At(x, y), green, coverage);
        }
    const double check[6] = {104, 81, 111, 88, 123, 73};
    DrawCheck(image, check, 4.0, white, true);
    return image;
}

Image24 DrawOkGlyph()
{
    const Rgb24 key = Rgb(0x808000);  // olive: never part of the glyph
    Image24 glyph(36, 18, key);
    Image24 normal(18, 18, key);
    const double check[6] = {3, 9.5, 7.5, 14, 15, 4.5};
    DrawCheck(normal, check, 3.0, Rgb(0x1F8A3C), false);
    Image24 disabled(18, 18, key);
    const double raised[6] = {4, 10.5, 8.5, 15, 16, 5.5};
    DrawCheck(disabled, raised, 3.0, Rgb(0xFFFFFF), false);
    DrawCheck(disabled, check, 3.0, Rgb(0x808080), false);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            glyph.At(x, y) = normal.At(x, y);
            glyph.At(18 + x, y) = disabled.At(x, y);
        }
    return glyph;
}
