#include "editglyphs/EditGlyphArt.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int kW = kEditGlyphFrameWidth;
constexpr int kH = kEditGlyphPictureHeight;
constexpr int kSamples = 4;  // per pixel and axis

struct Pt {
    double x, y;
};

// A filled shape in picture coordinates: whether a point lies inside it.
struct Shape {
    std::function<bool(Pt)> inside;
    Rgb24 colour;
};

constexpr Rgb24 Rgb(uint32_t rgb)
{
    return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16)};
}

bool InPolygon(const std::vector<Pt>& poly, Pt p)
{
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Pt& a = poly[i];
        const Pt& b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

Shape Polygon(std::vector<Pt> poly, Rgb24 colour)
{
    return {[poly = std::move(poly)](Pt p) { return InPolygon(poly, p); }, colour};
}

Shape Box(double l, double t, double r, double b, Rgb24 colour)
{
    return {[=](Pt p) { return p.x >= l && p.x < r && p.y >= t && p.y < b; }, colour};
}

Shape Disc(Pt c, double radius, Rgb24 colour)
{
    return {[=](Pt p) { return std::hypot(p.x - c.x, p.y - c.y) <= radius; }, colour};
}

// A band along a circular arc, angles in degrees (0 = right, 90 = down).
Shape Arc(Pt c, double radius, double halfWidth, double from, double to, Rgb24 colour)
{
    return {[=](Pt p) {
                double d = std::hypot(p.x - c.x, p.y - c.y);
                double a = std::atan2(p.y - c.y, p.x - c.x) * 180 / std::numbers::pi;
                return std::abs(d - radius) <= halfWidth && a >= from && a <= to;
            },
            colour};
}

Rgb24 Lighter(Rgb24 c)
{
    auto up = [](uint8_t v) { return uint8_t(v + (255 - v) * 3 / 10); };
    return {up(c.b), up(c.g), up(c.r)};
}

// One frame: the picture (shapes painted in order, later over earlier) at
// (frameX, 0) and its mask below it; the shapes are moved by 'shift'.
void DrawFrame(Image24& glyph, int frameX, const std::vector<Shape>& shapes, Pt shift, bool hot)
{
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            int covered = 0, b = 0, g = 0, r = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    Pt p{x + (sx + 0.5) / kSamples - shift.x, y + (sy + 0.5) / kSamples - shift.y};
                    auto top = std::find_if(shapes.rbegin(), shapes.rend(), [&](const Shape& s) { return s.inside(p); });
                    if (top == shapes.rend())
                        continue;
                    Rgb24 c = hot ? Lighter(top->colour) : top->colour;
                    ++covered;
                    b += c.b;
                    g += c.g;
                    r += c.r;
                }
            Rgb24 picture{}, mask{255, 255, 255};
            if (covered) {
                picture = {uint8_t(b / covered), uint8_t(g / covered), uint8_t(r / covered)};
                uint8_t m = uint8_t(255 - 255 * covered / (kSamples * kSamples));
                mask = {m, m, m};
            }
            glyph.At(frameX + x, y) = picture;
            glyph.At(frameX + x, kH + y) = mask;
        }
}

// Normal, hot (lighter) and pressed (one pixel down and right) frames.
Image24 DrawGlyph(const std::vector<Shape>& shapes)
{
    Image24 glyph(kW * kEditGlyphFrames, 2 * kH);
    DrawFrame(glyph, 0, shapes, {0, 0}, false);
    DrawFrame(glyph, kW, shapes, {0, 0}, true);
    DrawFrame(glyph, 2 * kW, shapes, {1, 1}, false);
    return glyph;
}

constexpr Rgb24 kFolderBack = Rgb(0xC8961E);
constexpr Rgb24 kFolderFront = Rgb(0xF6C945);
constexpr Rgb24 kFolderEdge = Rgb(0x9A6C0C);
constexpr Rgb24 kArrow = Rgb(0x2457D6);
constexpr Rgb24 kInk = Rgb(0x303848);

std::vector<Shape> ClosedFolder(double top)
{
    return {
        Polygon({{2, top}, {8, top}, {9.5, top + 2}, {2, top + 2}}, kFolderEdge),
        Box(2, top + 1.5, 18, 15.5, kFolderEdge),
        Box(3, top + 2.5, 17, 14.5, kFolderFront),
    };
}

}  // namespace

Image24 DrawOpenFileGlyph()
{
    std::vector<Shape> shapes = {
        Polygon({{1, 6}, {6, 6}, {7.5, 7.5}, {15, 7.5}, {15, 15.5}, {1, 15.5}}, kFolderEdge),
        Box(2, 8, 14, 15, kFolderBack),
        Polygon({{4.5, 10}, {19.5, 10}, {16, 16}, {1, 16}}, kFolderEdge),
        Polygon({{5.2, 10.8}, {18.2, 10.8}, {15.4, 15.2}, {2.3, 15.2}}, kFolderFront),
        // The arrow curves up from the folder and comes down to its right.
        Arc({12, 6.5}, 5, 0.9, -180, -35, kArrow),
        Polygon({{13.6, 3.2}, {19, 1.8}, {17.6, 7.2}}, kArrow),
    };
    return DrawGlyph(shapes);
}

Image24 DrawOpenFolderGlyph()
{
    return DrawGlyph(ClosedFolder(3.5));
}

Image24 DrawDateGlyph()
{
    std::vector<Shape> shapes = {
        Box(3, 2, 17, 16, kInk),
        Box(4, 3, 16, 15, Rgb(0xFFFFFF)),
        Box(4, 3, 16, 6, Rgb(0xD23C32)),
        Box(6, 1, 7.5, 4, kInk),
        Box(12.5, 1, 14, 4, kInk),
    };
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            shapes.push_back(Box(5 + 2.8 * col, 7.2 + 2.5 * row, 6.6 + 2.8 * col, 8.6 + 2.5 * row, kInk));
    return DrawGlyph(shapes);
}

Image24 DrawEllipsisGlyph()
{
    return DrawGlyph({Disc({5, 12}, 1.6, kInk), Disc({10, 12}, 1.6, kInk), Disc({15, 12}, 1.6, kInk)});
}

Image24 DrawCalcGlyph()
{
    std::vector<Shape> shapes = {
        Box(4, 1, 16, 16, kInk),
        Box(5, 2, 15, 15, Rgb(0xB4BCC8)),
        Box(6, 3, 14, 6, Rgb(0xD8F0D0)),
    };
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            shapes.push_back(Box(6 + 2.8 * col, 7.5 + 2.5 * row, 7.8 + 2.8 * col, 9 + 2.5 * row, kInk));
    return DrawGlyph(shapes);
}

const std::vector<EditGlyph>& EditGlyphs()
{
    static const std::vector<EditGlyph> glyphs = {
        {"SF", DrawOpenFileGlyph}, {"SR", DrawOpenFolderGlyph}, {"SD", DrawDateGlyph},
        {"SE", DrawEllipsisGlyph}, {"SC", DrawCalcGlyph},
    };
    return glyphs;
}
