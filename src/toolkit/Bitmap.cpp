#include "toolkit/Bitmap.h"

#include <cstring>

#include "core/Exceptions.h"

TBitmap::TBitmap(int width, int height, TPixelFormat format)
{
    SetSize(width, height, format);
}

TBitmap::~TBitmap()
{
    canvas_.reset();
    if (dc_ && originalBitmap_)
        SelectObject(dc_.Get(), originalBitmap_);
}

void TBitmap::SetSize(int width, int height, TPixelFormat format)
{
    // Same size and format: keep the pixels' memory (their contents are undefined either way).
    if (bitmap_ && width == width_ && height == height_ && format == format_)
        return;
    canvas_.reset();
    if (dc_ && originalBitmap_)
        SelectObject(dc_.Get(), originalBitmap_);
    dc_.Reset();
    originalBitmap_ = nullptr;
    bitmap_.Reset();
    bits_ = nullptr;
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    format_ = format;
    if (width_ == 0 || height_ == 0)
        return;

    int bitsPerPixel = format == TPixelFormat::pf24bit ? 24 : 32;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // negative: rows run top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (!bitmap_)
        throw EOutOfMemory();
    stride_ = ((std::ptrdiff_t(width_) * bitsPerPixel + 31) / 32) * 4;
}

HDC TBitmap::MemoryDc() const
{
    if (!dc_) {
        dc_.Reset(CreateCompatibleDC(nullptr));
        originalBitmap_ = SelectObject(dc_.Get(), bitmap_.Get());
    }
    return dc_.Get();
}

TCanvas& TBitmap::Canvas()
{
    if (!canvas_)
        canvas_ = std::make_unique<TCanvas>(bitmap_ ? MemoryDc() : nullptr);
    return *canvas_;
}

View24 TBitmap::Pixels24()
{
    if (!bitmap_ || format_ != TPixelFormat::pf24bit)
        return {};
    GdiFlush();
    return {static_cast<Rgb24*>(bits_), width_, height_, stride_};
}

View32 TBitmap::Pixels32()
{
    if (!bitmap_ || format_ != TPixelFormat::pf32bit)
        return {};
    GdiFlush();
    return {static_cast<Bgra32*>(bits_), width_, height_, stride_};
}

void TBitmap::Assign(ConstView24 source)
{
    SetSize(source.Width(), source.Height(), TPixelFormat::pf24bit);
    View24 target = Pixels24();
    for (int y = 0; y < target.Height(); ++y)
        std::memcpy(target.Row(y), source.Row(y), std::size_t(target.Width()) * sizeof(Rgb24));
}

bool TBitmap::LoadFromResourceName(HINSTANCE instance, const char* name)
{
    UniqueBitmap loaded(static_cast<HBITMAP>(
        LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!loaded || !GetObjectA(loaded.Get(), sizeof info, &info))
        return false;
    SetSize(info.bmWidth, info.bmHeight, TPixelFormat::pf24bit);
    UniqueMemoryDc source(CreateCompatibleDC(nullptr));
    SelectGuard select(source.Get(), loaded.Get());
    BitBlt(MemoryDc(), 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
    GdiFlush();
    return true;
}

void TBitmap::DrawTo(HDC dc, int x, int y) const
{
    if (!bitmap_)
        return;
    BitBlt(dc, x, y, width_, height_, MemoryDc(), 0, 0, SRCCOPY);
}
