#include "controls/PvxResourcePicture.h"

#include <string>

#include "core/Exceptions.h"
#include "toolkit/Handles.h"

TPvxResourcePicture LoadResourcePicture(HINSTANCE instance, const char* name)
{
    UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap)
        throw Exception("Bitmap resource " + std::string(name) + " not found");
    BITMAP info{};
    GetObjectA(bitmap.Get(), sizeof info, &info);
    if (info.bmWidth <= 0 || info.bmHeight <= 0)
        throw Exception("Bitmap resource " + std::string(name) + " is empty");

    TPvxResourcePicture picture;
    picture.bitsPerPixel = info.bmBitsPixel;
    picture.pixels = Image32(info.bmWidth, info.bmHeight);
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;  // top-down rows
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    WindowDc screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap.Get(), 0, UINT(info.bmHeight), &picture.pixels.At(0, 0),
                  &request, DIB_RGB_COLORS) != info.bmHeight)
        throw Exception("Bitmap resource " + std::string(name) + " cannot be read");
    return picture;
}
