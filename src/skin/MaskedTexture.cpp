#include "skin/MaskedTexture.h"

#include <algorithm>

#include "gfx/MaskedCopy.h"
#include "skin/MaskFrames.h"

namespace {

struct TileSource {
    ConstView24 image;
    Rect tile;  // frame 0's picture, in image
    int maskDy = 0;
};

void DrawTile(View24 bitmap, Point at, const TileSource& s, const TsBgSource& bg, Size cut)
{
    Rect piece = Rect::FromSize(s.tile.left, s.tile.top, std::min(cut.width, s.tile.Width()),
                                std::min(cut.height, s.tile.Height()));
    CopyMaskedPiece(bitmap, at, s.image, piece, s.maskDy, kKeyPixel, HoleFill::KeepTarget(), bg.HasImage());
}

}  // namespace

void FillMaskedTexture(View24 bitmap, const Rect& rect, const TsBgSource& bg, int drawType, const TsMaskData& mask)
{
    Rect r = rect.Intersected(bitmap.Bounds());
    TileSource s{MaskSourceImage(mask), {}, MaskRowOffset(mask)};
    s.tile = Rect::FromSize(mask.Left, mask.Top, MaskFrameSize(mask).width, s.maskDy);
    if (r.IsEmpty() || s.image.IsEmpty() || s.tile.IsEmpty() || (drawType != 0 && drawType != 10))
        return;
    const int w = s.tile.Width(), h = s.tile.Height();
    if (drawType == 0) {
        for (int y = rect.top; y < r.bottom; y += h)
            for (int x = rect.left; x < r.right; x += w)
                DrawTile(bitmap, {x, y}, s, bg, {rect.right - x, rect.bottom - y});
        return;
    }
    int xEnd = rect.left, yEnd = rect.top;
    for (int y = rect.top; y < rect.bottom - h; y += h) {
        int x = rect.left;
        for (; x < rect.right - w; x += w)
            DrawTile(bitmap, {x, y}, s, bg, {w, h});
        xEnd = x;
        yEnd = y + h;
    }
    if (yEnd == rect.top)
        xEnd = rect.left;
    PaintBgInto(bitmap, {rect.left, yEnd, rect.right, rect.bottom}, bg);
    PaintBgInto(bitmap, {xEnd, rect.top, rect.right, yEnd}, bg);
}
