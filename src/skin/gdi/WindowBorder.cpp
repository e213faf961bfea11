#include "skin/gdi/WindowBorder.h"

#include <algorithm>
#include <array>

#include "gfx/RectFill.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/model/SkinModel.h"
#include "toolkit/Bitmap.h"

namespace {

std::array<Rect, 4> Bands(const Rect& r, BorderWidths w)
{
    return {{{r.left, r.top, r.right, r.top + w.top},
             {r.left, r.top + w.top, r.left + w.left, r.bottom - w.bottom},
             {r.left, r.bottom - w.bottom, r.right, r.bottom},
             {r.right - w.right, r.top + w.top, r.right, r.bottom - w.bottom}}};
}

Rect Deflated(const Rect& r, BorderWidths w)
{
    return {r.left + w.left, r.top + w.top, r.right - w.right, r.bottom - w.bottom};
}

// The parent's background under the border bands: its picture, else the control's colour.
void PutParentUnderBorder(View24 pixels, BorderWidths w, const TsBgSource& parentBg, Rgb24 colour)
{
    for (const Rect& band : Bands(pixels.Bounds(), w))
        if (!parentBg.HasImage() || !PaintBgInto(pixels, band, parentBg))
            FillRectColor(pixels, band, colour);
}

}  // namespace

bool PaintWindowBorder(HDC dc, const Rect& rect, int borderWidth, Rect& clientRect, int state,
                       const TsControlSkin& control, TBitmap& cache, const TsBgSource& parentBg)
{
    if (!control.Manager || !control.Manager->IsValidMaskIndex(control.BorderMaskIndex) || rect.IsEmpty())
        return false;
    const TsMaskData& mask = control.Manager->Masks()[std::size_t(control.BorderMaskIndex)];
    if (cache.Width() != rect.Width() || cache.Height() != rect.Height() ||
        cache.PixelFormat() != TPixelFormat::pf24bit || cache.Empty())
        cache.SetSize(rect.Width(), rect.Height(), TPixelFormat::pf24bit);
    View24 pixels = cache.Pixels24();
    const Rect local = pixels.Bounds();
    const BorderWidths image = MaskBorderWidths(mask);
    const Rgb24 colour = SkinRgb(control.Color);
    if (HasMaskRow(mask))
        PutParentUnderBorder(pixels, image, parentBg, colour);
    DrawBorderMask(pixels, local, false, true, state, mask, parentBg);
    clientRect = Deflated(rect, image);
    const BorderWidths real{borderWidth, borderWidth, borderWidth, borderWidth};
    if (borderWidth > std::max({image.left, image.top, image.right, image.bottom})) {
        FillFrameBands(pixels, Deflated(local, image), borderWidth - image.left, borderWidth - image.top,
                       borderWidth - image.right, borderWidth - image.bottom, colour);
        clientRect = Deflated(rect, real);
    }
    HDC cacheDc = cache.Canvas().Handle();
    if (dc && dc != cacheDc)
        for (const Rect& band : Bands(local, real))
            if (!band.IsEmpty())
                BitBlt(dc, rect.left + band.left, rect.top + band.top, band.Width(), band.Height(), cacheDc,
                       band.left, band.top, SRCCOPY);
    return true;
}
