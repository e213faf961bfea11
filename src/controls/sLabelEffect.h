#pragma once
// The soft shadow of the shadowed label: the caption's shape stamped into a
// byte buffer, blurred, and blended as a shadow colour over what lies behind
// the label or over the label's own colour. Integer arithmetic only.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/PixelView.h"

// The label grows by the shadow: m1 (at most 0) at the left and top, m2 (at
// least 0) at the right and bottom, from the shadow's distance D and blur
// count B: m1 = min(0, D - B), m2 = max(0, D + B).
struct TsEffectMargins {
    int m1 = 0;
    int m2 = 0;
};
TsEffectMargins EffectMargins(int distance, int blurCount);

// The shadow's strength per pixel: (W + 2) x (H + 2) cells of one byte, cell
// (x + 1, y + 1) belonging to pixel (x, y); the outer ring belongs to no
// pixel and stays 0.
class TsShadowAlpha {
public:
    // Makes room for a W x H effect: grows to exactly 2 (W + 2) (H + 2) bytes
    // when smaller (it never shrinks) and zeroes that many bytes.
    void Prepare(int width, int height);
    // 'passes' blur passes over the text of 'stamp' (pixels whose blue byte
    // is not 0). Each pass stamps the text (255) into its cells, then gives
    // every interior cell, in raster order and in place, (up + down + left +
    // right) div 4 of its neighbours: those above and to the left already
    // hold this pass's values. None for passes of 0 or less. The stamp is the
    // size Prepare was given.
    void Blur(ConstView32 stamp, int passes);

    uint8_t Cell(int x, int y) const { return cells_[std::size_t(y) * std::size_t(width_ + 2) + std::size_t(x)]; }
    // The cell of pixel (x, y).
    uint8_t Alpha(int x, int y) const { return Cell(x + 1, y + 1); }
    std::size_t Capacity() const { return cells_.size(); }

private:
    std::vector<uint8_t> cells_;
    int width_ = 0;
    int height_ = 0;
};

// A transparent label: 'effect' holds what lies behind it; each of blue,
// green and red becomes (P x (255 - a) + S x a) div 256. The fourth byte is
// left as it is.
void BlendShadowOverPicture(View32 effect, const TsShadowAlpha& alpha, Rgb24 shadow);
// An opaque label: each channel becomes (S x a + L x (255 - a)) div 256, L
// being the label's colour.
void BlendShadowWithColor(View32 effect, const TsShadowAlpha& alpha, Rgb24 shadow, Rgb24 labelColor);
