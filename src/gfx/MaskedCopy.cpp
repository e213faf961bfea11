#include "gfx/MaskedCopy.h"

#include <algorithm>

#include "gfx/Blit.h"

namespace {

// The copy cut so that both a source pixel and its mask pixel lie inside the
// source, and its target inside the target.
CopyArea ClipMaskedCopy(View24 target, Point at, ConstView24 source, const Rect& srcRect, int maskDy)
{
    if (target.IsEmpty() || source.IsEmpty())
        return {};
    Rect withMask = source.Bounds().Intersected(source.Bounds().Translated(0, -maskDy));
    Rect src = srcRect.Intersected(withMask);
    if (src.IsEmpty())
        return {};
    Point shifted{at.x + src.left - srcRect.left, at.y + src.top - srcRect.top};
    return ClipCopy({target.Width(), target.Height()}, shifted, {source.Width(), source.Height()}, src);
}

uint8_t PieceChannel(unsigned d, unsigned s, unsigned m)
{
    return uint8_t((d * m + s * (256 - m)) >> 8);
}

uint8_t GlyphChannel(int d, int s, int m)
{
    return uint8_t(s + (d - s) * m / 256);
}

}  // namespace

void CopyMaskedPiece(View24 target, Point at, ConstView24 source, const Rect& srcRect, int maskDy, Rgb24 key,
                     const HoleFill& holes, bool blendKeys)
{
    CopyArea area = ClipMaskedCopy(target, at, source, srcRect, maskDy);
    for (int y = 0; y < area.source.Height(); ++y) {
        int ty = area.target.y + y;
        int sy = area.source.top + y;
        Rgb24* d = target.Row(ty) + area.target.x;
        const Rgb24* s = source.Row(sy) + area.source.left;
        const Rgb24* m = source.Row(sy + maskDy) + area.source.left;
        for (int x = 0; x < area.source.Width(); ++x) {
            if (s[x] == key && !blendKeys) {
                holes.Fill(d[x], area.target.x + x, ty);
                continue;
            }
            d[x] = {PieceChannel(d[x].b, s[x].b, m[x].b), PieceChannel(d[x].g, s[x].g, m[x].g),
                    PieceChannel(d[x].r, s[x].r, m[x].r)};
        }
    }
}

void CopyMaskedGlyph(View24 target, Point at, ConstView24 source, const Rect& srcRect, int maskDy, Rgb24 key,
                     int maskBoost)
{
    CopyArea area = ClipMaskedCopy(target, at, source, srcRect, maskDy);
    auto boosted = [maskBoost](int m) { return std::min(m + maskBoost, 255); };
    for (int y = 0; y < area.source.Height(); ++y) {
        int sy = area.source.top + y;
        Rgb24* d = target.Row(area.target.y + y) + area.target.x;
        const Rgb24* s = source.Row(sy) + area.source.left;
        const Rgb24* m = source.Row(sy + maskDy) + area.source.left;
        for (int x = 0; x < area.source.Width(); ++x) {
            if (s[x] == key)
                continue;
            d[x] = {GlyphChannel(d[x].b, s[x].b, boosted(m[x].b)), GlyphChannel(d[x].g, s[x].g, boosted(m[x].g)),
                    GlyphChannel(d[x].r, s[x].r, boosted(m[x].r))};
        }
    }
}
