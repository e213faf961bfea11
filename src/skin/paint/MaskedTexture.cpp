#include "skin/paint/MaskedTexture.h"

#include "gfx/MaskedCopy.h"
#include "skin/paint/BorderGeometry.h"
#include "skin/paint/MaskFrames.h"

namespace {

struct TileSource {
    ConstView24 image;
    Rect tile;  // frame 0's picture, in image
    int maskDy = 0;
};

}  // namespace

void FillMaskedTexture(View24 bitmap, const Rect& rect, const TsBgSource& bg, int drawType, const TsMaskData& mask)
{
    TileSource s{MaskSourceImage(mask), {}, MaskRowOffset(mask)};
    s.tile = Rect::FromSize(mask.Left, mask.Top, MaskFrameSize(mask).width, s.maskDy);
    if (rect.Intersected(bitmap.Bounds()).IsEmpty() || s.image.IsEmpty() || s.tile.IsEmpty() ||
        (drawType != 0 && drawType != 10))
        return;
    auto draw = [&](Point at, const Rect& piece) {
        CopyMaskedPiece(bitmap, at, s.image, piece, s.maskDy, kKeyPixel, HoleFill::KeepTarget(), bg.HasImage());
    };
    if (drawType == 0) {
        TileCell(rect, s.tile, bitmap.Bounds(), draw);
        return;
    }
    // Whole tiles while a tile starts short of Right - w (Bottom - h).
    const int w = s.tile.Width(), h = s.tile.Height();
    int columns = rect.Width() > w ? (rect.Width() - w + w - 1) / w : 0;
    int rows = rect.Height() > h ? (rect.Height() - h + h - 1) / h : 0;
    const Rect tiled = Rect::FromSize(rect.left, rect.top, columns * w, rows * h);
    TileCell(tiled, s.tile, bitmap.Bounds(), draw);
    PaintBgInto(bitmap, {rect.left, tiled.bottom, rect.right, rect.bottom}, bg);
    PaintBgInto(bitmap, {tiled.right, rect.top, rect.right, tiled.bottom}, bg);
}
