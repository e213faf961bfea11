#pragma once
// A copy blended with what it covers (faded glyphs, the disabled look).

#include <optional>

#include "gfx/PixelView.h"

// Copies srcRect of source (clipped to both views) to target at 'at', each
// channel round(s - k x (s - d)): (1 - k) of the source over k of the target.
// Source pixels equal to key are skipped; without a key every pixel is blended.
void FadeCopyRect(View24 target, Point at, std::optional<Rgb24> key, double k, const Rect& srcRect, ConstView24 source);
