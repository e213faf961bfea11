#include "glyphs/GlyphArt.h"

#include <algorithm>
#include <array>

namespace {

constexpr int GlyphSize = 32;
constexpr Bgra32 Key{0, 0, 0, 0};

constexpr Bgra32 Opaque(uint32_t rgb)
{
    return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16), 255};
}

Bgra32 Mix(Bgra32 a, Bgra32 b, int num, int den)
{
    auto m = [&](uint8_t x, uint8_t y) { return uint8_t((x * (den - num) + y * num) / den); };
    return {m(a.b, b.b), m(a.g, b.g), m(a.r, b.r), 255};
}

void Fill(Image32& image, Rect r, Bgra32 colour)
{
    r = r.Intersected({0, 0, image.Width(), image.Height()});
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            image.At(x, y) = colour;
}

// --- Windows --------------------------------------------------------------

struct WindowLook {
    Bgra32 frame = Opaque(0x1B3A6B);
    Bgra32 titleTop = Opaque(0x5C9DF0);
    Bgra32 titleBottom = Opaque(0x1F58C0);
    Bgra32 body = Opaque(0xFFFFFF);
    Bgra32 bodyShade = Opaque(0xE4EBF5);
    Bgra32 button = Opaque(0xDDE9FB);
    int titleHeight = 5;
};

// A window: 1-pixel frame, a title bar shaded top to bottom with a small
// button at its right, a white body with a faint shade along its bottom.
void DrawWindow(Image32& image, Rect outer, const WindowLook& look)
{
    Fill(image, outer, look.frame);
    Rect inner = outer.Inflated(-1, -1);
    Rect bar{inner.left, inner.top, inner.right, inner.top + look.titleHeight};
    for (int y = bar.top; y < bar.bottom; ++y)
        Fill(image, {bar.left, y, bar.right, y + 1},
             Mix(look.titleTop, look.titleBottom, y - bar.top, look.titleHeight - 1));
    int box = look.titleHeight - 2;
    Fill(image, Rect::FromSize(bar.right - box - 1, bar.top + 1, box, box), look.button);
    Rect body{inner.left, bar.bottom + 1, inner.right, inner.bottom};
    Fill(image, {inner.left, bar.bottom, inner.right, bar.bottom + 1}, look.frame);
    Fill(image, body, look.body);
    Fill(image, {body.left, body.bottom - 2, body.right, body.bottom}, look.bodyShade);
}

// --- Discs with a symbol, drawn with 4 x 4 samples per pixel ---------------

struct P {
    double x, y;
};

double Dist2ToSegment(P p, P a, P b)
{
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return ex * ex + ey * ey;
}

// A stroke along a polyline with round ends, half as wide as `half`.
struct Stroke {
    const P* points;
    int count;
    double half;
    bool Contains(P p) const
    {
        for (int i = 0; i + 1 < count; ++i)
            if (Dist2ToSegment(p, points[i], points[i + 1]) <= half * half)
                return true;
        return count == 1 && Dist2ToSegment(p, points[0], points[0]) <= half * half;
    }
};

struct DiscLook {
    Bgra32 top, bottom, rim, highlight;
};

constexpr P Centre{16.0, 16.0};
constexpr double Radius = 15.0;
constexpr double RimWidth = 1.1;
// Edge pixels blend towards a light neutral grey, close to button faces.
constexpr Bgra32 Fringe = Opaque(0xE6E6E6);

bool InCircle(P p, P c, double r)
{
    double dx = p.x - c.x, dy = p.y - c.y;
    return dx * dx + dy * dy <= r * r;
}

// The colour of one sample: symbol white, the disc shaded top to bottom with
// a soft light at the top, a darker rim, else outside (nullopt-like: a = 0).
Bgra32 SampleColour(P p, const DiscLook& look, const Stroke* strokes, int strokeCount)
{
    if (!InCircle(p, Centre, Radius))
        return Key;
    for (int i = 0; i < strokeCount; ++i)
        if (strokes[i].Contains(p))
            return Opaque(0xFFFFFF);
    if (!InCircle(p, Centre, Radius - RimWidth))
        return look.rim;
    int depth = std::clamp(int((p.y - 1.0) * 8), 0, 240);
    Bgra32 shade = Mix(look.top, look.bottom, depth, 240);
    // A soft light on the upper part, fading out downwards.
    if (InCircle(p, {16.0, 9.0}, 10.5))
        shade = Mix(shade, look.highlight, std::clamp(int((14.0 - p.y) * 4), 0, 40), 100);
    return shade;
}

Image32 DrawDisc(const DiscLook& look, const Stroke* strokes, int strokeCount)
{
    Image32 image(GlyphSize, GlyphSize, Key);
    constexpr int n = 4;
    for (int y = 0; y < GlyphSize; ++y) {
        for (int x = 0; x < GlyphSize; ++x) {
            int inside = 0, b = 0, g = 0, r = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    P p{x + (sx + 0.5) / n, y + (sy + 0.5) / n};
                    Bgra32 c = SampleColour(p, look, strokes, strokeCount);
                    if (c.a)
                        ++inside;
                    else
                        c = Fringe;
                    b += c.b;
                    g += c.g;
                    r += c.r;
                }
            }
            if (inside == 0)
                continue;
            image.At(x, y) = {uint8_t(b / (n * n)), uint8_t(g / (n * n)), uint8_t(r / (n * n)), 255};
        }
    }
    return image;
}

}  // namespace

Image32 DrawCompareGlyph()
{
    Image32 image(GlyphSize, GlyphSize, Key);
    Rect back = Rect::FromSize(1, 3, 22, 18);
    Rect front = Rect::FromSize(9, 12, 22, 18);
    WindowLook behind;
    behind.titleTop = Opaque(0x7FA9DD);
    behind.titleBottom = Opaque(0x3F6DB5);
    DrawWindow(image, back, behind);
    DrawWindow(image, front, WindowLook{});
    return image;
}

Image32 DrawClearFieldsGlyph()
{
    Image32 image(GlyphSize, GlyphSize, Key);
    WindowLook look;
    look.titleHeight = 7;
    DrawWindow(image, {0, 0, GlyphSize, GlyphSize}, look);
    // The frame's corners in between frame and face, for a softer square.
    Bgra32 corner = Mix(look.frame, Opaque(0xD8D8D8), 1, 2);
    image.At(0, 0) = image.At(GlyphSize - 1, 0) = image.At(GlyphSize - 1, GlyphSize - 1) = corner;
    image.At(0, GlyphSize - 1) = ClearFieldsKey;
    return image;
}

Image32 DrawAboutGlyph()
{
    // The hook of the question mark, then its stem, and the dot.
    static constexpr P hook[] = {
        {11.6, 12.4}, {11.9, 10.2}, {13.3, 8.5},  {15.9, 7.8},  {18.5, 8.4},  {20.1, 10.0},
        {20.4, 12.0}, {19.6, 13.9}, {17.7, 15.4}, {16.3, 16.9}, {16.0, 18.6}, {16.0, 19.4},
    };
    static constexpr P dot[] = {{16.0, 23.9}};
    const Stroke strokes[] = {{hook, int(std::size(hook)), 1.75}, {dot, 1, 2.0}};
    DiscLook blue{Opaque(0x6AA6F2), Opaque(0x1A4DAE), Opaque(0x143C86), Opaque(0xC8DEFA)};
    return DrawDisc(blue, strokes, int(std::size(strokes)));
}

Image32 DrawCloseGlyph()
{
    static constexpr P down[] = {{11.0, 11.0}, {21.0, 21.0}};
    static constexpr P up[] = {{21.0, 11.0}, {11.0, 21.0}};
    const Stroke strokes[] = {{down, 2, 1.9}, {up, 2, 1.9}};
    DiscLook red{Opaque(0xF27070), Opaque(0xC21E1E), Opaque(0x8A1212), Opaque(0xFAD0D0)};
    return DrawDisc(red, strokes, int(std::size(strokes)));
}

const std::vector<ButtonGlyph>& ButtonGlyphs()
{
    static const std::vector<ButtonGlyph> glyphs = {
        {"Compare.bmp", DrawCompareGlyph},
        {"ClearFields.bmp", DrawClearFieldsGlyph},
        {"About.bmp", DrawAboutGlyph},
        {"Close.bmp", DrawCloseGlyph},
    };
    return glyphs;
}
