#include "skin/gdi/WindowBorder.h"

#include <algorithm>
#include <array>

#include "gfx/RectFill.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/MaskFrames.h"
#include "toolkit/Bitmap.h"

namespace {

// The parent's background under the border bands: its picture, else the control's colour.
void PutParentUnderBorder(View24 pixels, BorderWidths w, const TsBgSource& parentBg, Rgb24 colour)
{
    for (const Rect& band : FrameBands(pixels.Bounds(), w))
        if (!parentBg.HasImage() || !PaintBgInto(pixels, band, parentBg))
            FillRectColor(pixels, band, colour);
}

}  // namespace

bool PaintWindowBorder(HDC dc, const Rect& rect, int borderWidth, Rect& clientRect, int state,
                       const TsSectionRef& section, int32_t controlColor, TBitmap& cache, const TsBgSource& parentBg)
{
    const TsMaskData* border = section.Border();
    if (!border || rect.IsEmpty())
        return false;
    const TsMaskData& mask = *border;
    if (cache.Width() != rect.Width() || cache.Height() != rect.Height() ||
        cache.PixelFormat() != TPixelFormat::pf24bit || cache.Empty())
        cache.SetSize(rect.Width(), rect.Height(), TPixelFormat::pf24bit);
    View24 pixels = cache.Pixels24();
    const Rect local = pixels.Bounds();
    const BorderWidths image = MaskBorderWidths(mask);
    const Rgb24 colour = SkinRgb(controlColor);
    if (HasMaskRow(mask))
        PutParentUnderBorder(pixels, image, parentBg, colour);
    DrawBorderMask(pixels, local, false, true, state, mask, parentBg);
    clientRect = SkinnedClientRect(rect, image, borderWidth);
    const BorderWidths real{borderWidth, borderWidth, borderWidth, borderWidth};
    if (clientRect != Deflated(rect, image))
        FillFrameBands(pixels, Deflated(local, image), borderWidth - image.left, borderWidth - image.top,
                       borderWidth - image.right, borderWidth - image.bottom, colour);
    HDC cacheDc = cache.Canvas().Handle();
    if (dc && dc != cacheDc)
        for (const Rect& band : FrameBands(local, real))
            if (!band.IsEmpty())
                BitBlt(dc, rect.left + band.left, rect.top + band.top, band.Width(), band.Height(), cacheDc,
                       band.left, band.top, SRCCOPY);
    return true;
}
