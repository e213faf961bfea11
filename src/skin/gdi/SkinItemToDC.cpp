#include "skin/gdi/SkinItemToDC.h"

#include "skin/paint/SkinItem.h"
#include "toolkit/Bitmap.h"

void PaintSkinItemToDC(const TsSectionRef& section, const TsBgSource& behindRect, HDC dc, const Rect& rect, int state,
                       bool fillCentre)
{
    if (!dc || rect.IsEmpty() || !section.IsValid())
        return;
    TBitmap item(rect.Width(), rect.Height());
    View24 pixels = item.Pixels24();
    PaintSkinItem(TsPaintTarget(pixels, behindRect), section, pixels.Bounds(), state, fillCentre);
    SaveDcGuard saved(dc);
    item.DrawTo(dc, rect.left, rect.top);
}
