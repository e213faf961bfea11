#include "gfx/Stretch.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/Blit.h"

namespace {

// The source pixels that fall into each target pixel along one axis. Target
// pixel i covers [i x S, (i + 1) x S) and source pixel j covers [j x D,
// (j + 1) x D) in units of 1 / D source pixels, so the weights of a target
// pixel are integers that add up to S.
class AxisMap {
public:
    AxisMap(int sourceLength, int targetLength, int from, int to)
    {
        const int64_t s = sourceLength, d = targetLength;
        for (int64_t i = from; i < to; ++i) {
            int64_t lo = i * s, hi = (i + 1) * s;
            starts_.push_back(int(weights_.size()));
            firsts_.push_back(int(lo / d));
            for (int64_t j = lo / d; j <= (hi - 1) / d; ++j)
                weights_.push_back(uint32_t(std::min(hi, (j + 1) * d) - std::max(lo, j * d)));
        }
        starts_.push_back(int(weights_.size()));
    }
    int First(int i) const { return firsts_[std::size_t(i)]; }
    int Count(int i) const { return starts_[std::size_t(i) + 1] - starts_[std::size_t(i)]; }
    uint32_t Weight(int i, int k) const { return weights_[std::size_t(starts_[std::size_t(i)] + k)]; }

private:
    std::vector<int> firsts_;
    std::vector<int> starts_;
    std::vector<uint32_t> weights_;
};

// Rounds acc / total half up, exactly.
inline uint8_t Rounded(uint64_t acc, uint64_t total)
{
    return uint8_t((2 * acc + total) / (2 * total));
}

class Stretcher {
public:
    Stretcher(ConstView24 source, const Rect& src, const Rect& dst, const Rect& visible)
        : source_(source), src_(src), width_(visible.Width()),
          xs_(src.Width(), dst.Width(), visible.left - dst.left, visible.right - dst.left),
          sums_(std::size_t(src.Height()) * std::size_t(width_) * 3), summed_(std::size_t(src.Height()), false),
          plain_(std::size_t(src.Height()) * std::size_t(width_)), plainDone_(std::size_t(src.Height()), false),
          acc_(std::size_t(width_) * 3)
    {
    }

    // One target row made of the source rows [first, first + count) with weights.
    void Row(Rgb24* out, const AxisMap& ys, int i)
    {
        if (ys.Count(i) == 1) {
            std::memcpy(out, PlainRow(ys.First(i)), std::size_t(width_) * sizeof(Rgb24));
            return;
        }
        std::fill(acc_.begin(), acc_.end(), 0);
        uint64_t wyTotal = 0;
        for (int k = 0; k < ys.Count(i); ++k) {
            uint64_t wy = ys.Weight(i, k);
            wyTotal += wy;
            const uint32_t* h = Sums(ys.First(i) + k);
            for (std::size_t c = 0; c < acc_.size(); ++c)
                acc_[c] += wy * h[c];
        }
        uint64_t total = wyTotal * uint64_t(src_.Width());
        auto* bytes = reinterpret_cast<uint8_t*>(out);
        for (std::size_t c = 0; c < acc_.size(); ++c)
            bytes[c] = Rounded(acc_[c], total);
    }

private:
    // Horizontal weighted sums of one source row (relative to src_), per channel.
    const uint32_t* Sums(int j)
    {
        uint32_t* h = &sums_[std::size_t(j) * std::size_t(width_) * 3];
        if (summed_[std::size_t(j)])
            return h;
        summed_[std::size_t(j)] = true;
        const Rgb24* row = source_.Row(src_.top + j) + src_.left;
        for (int x = 0; x < width_; ++x) {
            uint32_t b = 0, g = 0, r = 0;
            for (int k = 0; k < xs_.Count(x); ++k) {
                uint32_t w = xs_.Weight(x, k);
                const Rgb24& p = row[xs_.First(x) + k];
                b += w * p.b;
                g += w * p.g;
                r += w * p.r;
            }
            h[3 * x] = b;
            h[3 * x + 1] = g;
            h[3 * x + 2] = r;
        }
        return h;
    }

    // A source row stretched horizontally only: every target row that comes
    // from that one source row is a copy of it.
    const Rgb24* PlainRow(int j)
    {
        Rgb24* plain = &plain_[std::size_t(j) * std::size_t(width_)];
        if (plainDone_[std::size_t(j)])
            return plain;
        plainDone_[std::size_t(j)] = true;
        const uint32_t* h = Sums(j);
        auto* bytes = reinterpret_cast<uint8_t*>(plain);
        for (std::size_t c = 0; c < std::size_t(width_) * 3; ++c)
            bytes[c] = Rounded(h[c], uint64_t(src_.Width()));
        return plain;
    }

    ConstView24 source_;
    Rect src_;
    int width_;
    AxisMap xs_;
    std::vector<uint32_t> sums_;
    std::vector<bool> summed_;
    std::vector<Rgb24> plain_;
    std::vector<bool> plainDone_;
    std::vector<uint64_t> acc_;
};

}  // namespace

void StretchRect(View24 target, const Rect& dstRect, ConstView24 source, const Rect& srcRect)
{
    if (target.IsEmpty() || source.IsEmpty() || dstRect.IsEmpty())
        return;
    Rect src = srcRect.Intersected(source.Bounds());
    Rect visible = dstRect.Intersected(target.Bounds());
    if (src.IsEmpty() || visible.IsEmpty())
        return;
    if (src.Width() == dstRect.Width() && src.Height() == dstRect.Height()) {
        CopyPixels(target, {dstRect.left, dstRect.top}, source, src);
        return;
    }
    AxisMap ys(src.Height(), dstRect.Height(), visible.top - dstRect.top, visible.bottom - dstRect.top);
    Stretcher stretcher(source, src, dstRect, visible);
    for (int i = 0; i < visible.Height(); ++i)
        stretcher.Row(target.Row(visible.top + i) + visible.left, ys, i);
}
