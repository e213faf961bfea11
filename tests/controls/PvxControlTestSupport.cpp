#include "controls/PvxControlTestSupport.h"

#include <algorithm>
#include <cstring>

#include "support/WinTestHelpers.h"
#include "toolkit/FormData.h"
#include "toolkit/Handles.h"

void TPvxTestForm::ReadFormData()
{
    SetColor(clBtnFace);
    SetClientSize(300, 160);
    edit = CreateControl<TEdit>(this, this, "edit", 200, 120, 90, 21);
    edit->SetTabOrder(0);
    SetActiveControl(edit);
}

namespace {

// What a DC shows in the rectangle (0, 0, w, h).
Image24 GrabDc(HDC dc, int w, int h)
{
    Image24 image(w, h);
    if (w <= 0 || h <= 0)
        return image;
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        SelectGuard select(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    }
    GdiFlush();
    std::size_t stride = (std::size_t(w) * 3 + 3) & ~std::size_t(3);
    for (int y = 0; y < h; ++y)
        std::memcpy(&image.At(0, y), static_cast<uint8_t*>(bits) + stride * std::size_t(y),
                    std::size_t(w) * 3);
    return image;
}

}  // namespace

Image24 GrabClientAsIs(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    WindowDc dc(window);
    return GrabDc(dc.Get(), client.right, client.bottom);
}

Image24 GrabWindowAsIs(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    HDC dc = GetWindowDC(window);
    Image24 image = GrabDc(dc, r.right - r.left, r.bottom - r.top);
    ReleaseDC(window, dc);
    return image;
}

Image24 GrabClient(HWND window)
{
    UpdateWindow(window);
    return GrabClientAsIs(window);
}

Rgb24 SysPixel(int index)
{
    return ToRgb24(GetSysColor(index));
}

namespace {

template <class Pred>
Rect BoundsWhere(const Image24& image, const Rect& within, Pred marked)
{
    Rect area = within.Intersected({0, 0, image.Width(), image.Height()});
    Rect r{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (marked(x, y))
                r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                     std::max(r.bottom, y + 1)};
    return r.IsEmpty() ? Rect{} : r;
}

}  // namespace

Rect BoundsOf(const Image24& image, Rgb24 colour, const Rect& within)
{
    return BoundsWhere(image, within, [&](int x, int y) { return image.At(x, y) == colour; });
}

Rect BoundsOf(const Image24& image, Rgb24 colour)
{
    return BoundsOf(image, colour, {0, 0, image.Width(), image.Height()});
}

Rect BoundsOfAllBut(const Image24& image, Rgb24 background, const Rect& within)
{
    return BoundsWhere(image, within, [&](int x, int y) { return image.At(x, y) != background; });
}

Rect BoundsOfChanges(const Image24& before, const Image24& after, const Rect& within)
{
    if (before.Width() != after.Width() || before.Height() != after.Height())
        return {0, 0, after.Width(), after.Height()};
    return BoundsWhere(after, within, [&](int x, int y) { return before.At(x, y) != after.At(x, y); });
}

int CountOf(const Image24& image, Rgb24 colour, const Rect& within)
{
    Rect area = within.Intersected({0, 0, image.Width(), image.Height()});
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += image.At(x, y) == colour;
    return count;
}

Image24 StripPicture(int w, int h, int count, const Rgb24* colours, Rgb24 key)
{
    Image24 strip(w * count, h);
    for (int i = 0; i < count; ++i)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                strip.At(i * w + x, y) = colours[i];
    strip.At(0, h - 1) = key;
    return strip;
}

void MovePointerTo(HWND window, Point client)
{
    POINT p{client.x, client.y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
}

void ParkPointer()
{
    POINT corner{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2};
    POINT now{};
    GetCursorPos(&now);
    if (now.x != corner.x || now.y != corner.y)
        SetCursorPos(corner.x, corner.y);
}

void MouseInput(HWND window, Point client, DWORD buttonFlags)
{
    POINT p{client.x, client.y};
    ClientToScreen(window, &p);
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((p.x * 65536LL + width - 1) / width);
    input.mi.dy = LONG((p.y * 65536LL + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    SendInput(1, &input, sizeof input);
    PumpMessages();
}
