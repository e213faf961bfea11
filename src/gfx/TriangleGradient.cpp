#include "gfx/TriangleGradient.h"

#include <algorithm>
#include <cstdint>

namespace {

// Coordinates are doubled so that pixel centres (x + 0.5) are integers.
struct Edge {
    int64_t ax, ay, dx, dy;
    bool topLeft;
    // > 0 inside, for the orientation FillTriangleGradient establishes.
    int64_t At(int64_t px, int64_t py) const { return dx * (py - ay) - dy * (px - ax); }
    bool Includes(int64_t value) const { return value > 0 || (value == 0 && topLeft); }
};

Edge MakeEdge(Point a, Point b)
{
    int64_t dx = 2 * int64_t(b.x - a.x), dy = 2 * int64_t(b.y - a.y);
    return {2 * int64_t(a.x), 2 * int64_t(a.y), dx, dy, dy < 0 || (dy == 0 && dx > 0)};
}

uint8_t Weighted(int64_t w0, int64_t w1, int64_t w2, uint8_t c0, uint8_t c1, uint8_t c2, int64_t area)
{
    int64_t sum = w0 * c0 + w1 * c1 + w2 * c2;
    return uint8_t(std::clamp<int64_t>((2 * sum + area) / (2 * area), 0, 255));
}

}  // namespace

void FillTriangleGradient(View24 target, const std::array<GradientVertex, 3>& corners)
{
    GradientVertex v0 = corners[0], v1 = corners[1], v2 = corners[2];
    int64_t area = int64_t(v1.at.x - v0.at.x) * (v2.at.y - v0.at.y) - int64_t(v1.at.y - v0.at.y) * (v2.at.x - v0.at.x);
    if (area == 0)
        return;
    if (area < 0) {
        std::swap(v1, v2);
        area = -area;
    }
    area *= 4;  // doubled coordinates
    Edge e01 = MakeEdge(v0.at, v1.at), e12 = MakeEdge(v1.at, v2.at), e20 = MakeEdge(v2.at, v0.at);
    Rect box{std::min({v0.at.x, v1.at.x, v2.at.x}), std::min({v0.at.y, v1.at.y, v2.at.y}),
             std::max({v0.at.x, v1.at.x, v2.at.x}), std::max({v0.at.y, v1.at.y, v2.at.y})};
    box = box.Intersected(target.Bounds());
    for (int y = box.top; y < box.bottom; ++y) {
        Rgb24* row = target.Row(y);
        int64_t py = 2 * int64_t(y) + 1;
        for (int x = box.left; x < box.right; ++x) {
            int64_t px = 2 * int64_t(x) + 1;
            // The weight of a corner is the edge function of the opposite edge.
            int64_t w2 = e01.At(px, py), w0 = e12.At(px, py), w1 = e20.At(px, py);
            if (!e01.Includes(w2) || !e12.Includes(w0) || !e20.Includes(w1))
                continue;
            row[x] = {Weighted(w0, w1, w2, v0.color.b, v1.color.b, v2.color.b, area),
                      Weighted(w0, w1, w2, v0.color.g, v1.color.g, v2.color.g, area),
                      Weighted(w0, w1, w2, v0.color.r, v1.color.r, v2.color.r, area)};
        }
    }
}
