#include "gfx/KeyedCopy.h"

#include "gfx/Blit.h"

void CopyKeyedRect(View24 target, ConstView24 source, Point at, const HoleFill& holes, Rgb24 key, const Rect& srcRect)
{
    if (target.IsEmpty() || source.IsEmpty())
        return;
    CopyArea area = ClipCopy({target.Width(), target.Height()}, at, {source.Width(), source.Height()}, srcRect);
    for (int y = 0; y < area.source.Height(); ++y) {
        int ty = area.target.y + y;
        Rgb24* d = target.Row(ty) + area.target.x;
        const Rgb24* s = source.Row(area.source.top + y) + area.source.left;
        for (int x = 0; x < area.source.Width(); ++x) {
            if (s[x] == key)
                holes.Fill(d[x], area.target.x + x, ty);
            else
                d[x] = s[x];
        }
    }
}
