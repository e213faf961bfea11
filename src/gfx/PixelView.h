#pragma once
// Pixels: an owning image and non-owning views {data, width, height, stride}.
// Rows are top-down; a sub-rectangle is a view into the same memory, never a copy.
// Channel order is that of Windows DIBs: blue, green, red (, alpha).

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "gfx/Geometry.h"

struct Rgb24 {
    uint8_t b = 0, g = 0, r = 0;
    friend bool operator==(const Rgb24&, const Rgb24&) = default;
};
static_assert(sizeof(Rgb24) == 3);

struct Bgra32 {
    uint8_t b = 0, g = 0, r = 0, a = 0;
    friend bool operator==(const Bgra32&, const Bgra32&) = default;
};
static_assert(sizeof(Bgra32) == 4);

// Colour as 0x00BBGGRR (red in the lowest byte), the system's colour form.
inline Rgb24 ToRgb24(uint32_t colorRef)
{
    return {uint8_t(colorRef >> 16), uint8_t(colorRef >> 8), uint8_t(colorRef)};
}
inline uint32_t ToColorRef(Rgb24 p)
{
    return uint32_t(p.r) | (uint32_t(p.g) << 8) | (uint32_t(p.b) << 16);
}

template <typename Pixel>
class PixelView {
public:
    PixelView() = default;
    // stride is in bytes and may exceed width * sizeof(Pixel) (row padding).
    PixelView(Pixel* data, int width, int height, std::ptrdiff_t stride)
        : data_(data), width_(width), height_(height), stride_(stride)
    {
        assert(width >= 0 && height >= 0);
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::ptrdiff_t Stride() const { return stride_; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    bool IsEmpty() const { return width_ <= 0 || height_ <= 0 || !data_; }

    Pixel* Row(int y) const
    {
        assert(y >= 0 && y < height_);
        using Byte = std::conditional_t<std::is_const_v<Pixel>, const std::byte, std::byte>;
        return reinterpret_cast<Pixel*>(reinterpret_cast<Byte*>(data_) + y * stride_);
    }
    Pixel& At(int x, int y) const
    {
        assert(x >= 0 && x < width_);
        return Row(y)[x];
    }

    // The part of this view inside r (clipped to the view).
    PixelView Subview(const Rect& r) const
    {
        Rect c = r.Intersected(Bounds());
        if (c.IsEmpty())
            return {};
        return PixelView(&Row(c.top)[c.left], c.Width(), c.Height(), stride_);
    }

    operator PixelView<const Pixel>() const { return {data_, width_, height_, stride_}; }

private:
    Pixel* data_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
};

using View24 = PixelView<Rgb24>;
using ConstView24 = PixelView<const Rgb24>;
using View32 = PixelView<Bgra32>;
using ConstView32 = PixelView<const Bgra32>;

// An owning image in ordinary memory (decoded skin images, test canvases).
// The Windows layer's bitmaps own DIB sections instead and hand out the same views.
template <typename Pixel>
class PixelImage {
public:
    PixelImage() = default;
    PixelImage(int width, int height, Pixel fill = Pixel())
        : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), fill)
    {
        assert(width >= 0 && height >= 0);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return pixels_.empty(); }
    PixelView<Pixel> View()
    {
        return {pixels_.data(), width_, height_, std::ptrdiff_t(width_ * sizeof(Pixel))};
    }
    PixelView<const Pixel> View() const
    {
        return {pixels_.data(), width_, height_, std::ptrdiff_t(width_ * sizeof(Pixel))};
    }
    Pixel& At(int x, int y) { return pixels_[std::size_t(y) * width_ + x]; }
    const Pixel& At(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

using Image24 = PixelImage<Rgb24>;
using Image32 = PixelImage<Bgra32>;
