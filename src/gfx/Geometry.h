#pragma once
// Integer geometry shared by layout, hit testing and painting.
// A Rect is half-open: it covers x in [left, right) and y in [top, bottom).

#include <algorithm>

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect FromSize(int x, int y, int width, int height)
    {
        return {x, y, x + width, y + height};
    }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr Rect Translated(int dx, int dy) const
    {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    constexpr Rect Inflated(int dx, int dy) const
    {
        return {left - dx, top - dy, right + dx, bottom + dy};
    }
    constexpr Rect Intersected(const Rect& o) const
    {
        Rect r{std::max(left, o.left), std::max(top, o.top),
               std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};
