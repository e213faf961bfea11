#include "gfx/BmpEncoder.h"

#include <map>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<uint8_t> Headers(int width, int height, int bits, uint32_t paletteSize, uint32_t rowBytes)
{
    uint32_t offset = 14 + 40 + paletteSize * 4;
    uint32_t pixels = rowBytes * uint32_t(height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + pixels);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height));
    Put16(out, 1);
    Put16(out, uint32_t(bits));
    Put32(out, 0);  // uncompressed
    Put32(out, pixels);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, paletteSize);
    Put32(out, 0);
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(ConstView24 picture)
{
    uint32_t rowBytes = (uint32_t(picture.Width()) * 3 + 3) & ~3u;
    std::vector<uint8_t> out = Headers(picture.Width(), picture.Height(), 24, 0, rowBytes);
    for (int y = picture.Height() - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < picture.Width(); ++x) {
            Rgb24 p = picture.At(x, y);
            out.insert(out.end(), {p.b, p.g, p.r});
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

std::vector<uint8_t> EncodeBmp32(ConstView32 picture)
{
    uint32_t rowBytes = uint32_t(picture.Width()) * 4;
    std::vector<uint8_t> out = Headers(picture.Width(), picture.Height(), 32, 0, rowBytes);
    for (int y = picture.Height() - 1; y >= 0; --y)
        for (int x = 0; x < picture.Width(); ++x) {
            Bgra32 p = picture.At(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    return out;
}

std::optional<std::vector<uint8_t>> EncodeBmp8(ConstView24 picture)
{
    std::map<uint32_t, uint8_t> index;
    std::vector<Rgb24> palette;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            uint32_t key = ToColorRef(picture.At(x, y));
            if (index.count(key))
                continue;
            if (palette.size() == 256)
                return std::nullopt;
            index[key] = uint8_t(palette.size());
            palette.push_back(picture.At(x, y));
        }
    }
    uint32_t rowBytes = (uint32_t(picture.Width()) + 3) & ~3u;
    // A full 256-entry table, as paint programs write it: the same size for any picture.
    std::vector<uint8_t> out = Headers(picture.Width(), picture.Height(), 8, 256, rowBytes);
    for (std::size_t i = 0; i < 256; ++i) {
        Rgb24 p = i < palette.size() ? palette[i] : Rgb24{};
        out.insert(out.end(), {p.b, p.g, p.r, 0});
    }
    for (int y = picture.Height() - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < picture.Width(); ++x)
            out.push_back(index[ToColorRef(picture.At(x, y))]);
        out.resize(start + rowBytes, 0);
    }
    return out;
}
