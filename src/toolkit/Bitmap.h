#pragma once
// TBitmap: a top-down DIB section of 24 or 32 bits per pixel. GDI draws into it
// through Canvas(); the pixel core addresses its rows through View24()/View32().

#include <windows.h>

#include <memory>

#include "gfx/PixelView.h"
#include "toolkit/Canvas.h"
#include "toolkit/Handles.h"

enum class TPixelFormat { pf24bit, pf32bit };

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap();

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return !bitmap_; }
    TPixelFormat PixelFormat() const { return format_; }
    // Sizes the pixels (contents undefined, black when newly made); the same
    // size and format keeps the memory.
    void SetSize(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);

    HBITMAP Handle() const { return bitmap_.Get(); }
    TCanvas& Canvas();

    // Views of the pixels; GDI's pending drawing is flushed first.
    View24 Pixels24();
    View32 Pixels32();

    void Assign(ConstView24 source);
    // Loads a BITMAP resource as 24-bit pixels; false when there is none.
    bool LoadFromResourceName(HINSTANCE instance, const char* name);
    void DrawTo(HDC dc, int x, int y) const;

private:
    HDC MemoryDc() const;

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf24bit;
    void* bits_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    UniqueBitmap bitmap_;
    mutable UniqueMemoryDc dc_;
    mutable HGDIOBJ originalBitmap_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
};
