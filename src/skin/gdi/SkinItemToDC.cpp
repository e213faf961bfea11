#include "skin/gdi/SkinItemToDC.h"

#include "skin/paint/SkinItem.h"
#include "skin/model/SkinModel.h"
#include "toolkit/Bitmap.h"

void PaintSkinItemToDC(int sectionIndex, std::string_view sectionName, const TsBgSource& bg,
                       const TsSkinModel* manager, HDC dc, Point offset, const Rect& rect, int state, bool fillCentre)
{
    if (!dc || rect.IsEmpty() || !manager || !manager->IsValidSectionIndex(sectionIndex))
        return;
    TBitmap item(rect.Width(), rect.Height());
    View24 pixels = item.Pixels24();
    PaintSkinItem(sectionIndex, sectionName, bg, -1, -1, manager, pixels, {offset.x + rect.left, offset.y + rect.top},
                  pixels.Bounds(), state, fillCentre);
    SaveDcGuard saved(dc);
    item.DrawTo(dc, rect.left, rect.top);
}
