#include <map>

#include "skin/paint/SkinParts.h"

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

void PutHeaders(std::vector<uint8_t>& out, ConstView24 picture, uint16_t bits, uint32_t compression,
                uint32_t colours, uint32_t dataSize)
{
    const uint32_t offset = 54 + colours * 4;
    out.insert(out.end(), {'B', 'M'});
    Put32(out, offset + dataSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, uint32_t(picture.Width()));
    Put32(out, uint32_t(picture.Height()));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, compression);
    Put32(out, dataSize);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
}

std::vector<uint8_t> Plain24(ConstView24 picture)
{
    const uint32_t rowBytes = (uint32_t(picture.Width()) * 3 + 3) & ~3u;
    std::vector<uint8_t> data;
    for (int y = picture.Height() - 1; y >= 0; --y) {
        std::size_t start = data.size();
        for (int x = 0; x < picture.Width(); ++x) {
            Rgb24 p = picture.At(x, y);
            data.insert(data.end(), {p.b, p.g, p.r});
        }
        data.resize(start + rowBytes, 0);
    }
    std::vector<uint8_t> out;
    PutHeaders(out, picture, 24, 0, 0, uint32_t(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

uint32_t Key(Rgb24 p)
{
    return ToColorRef(p);
}

}  // namespace

std::vector<uint8_t> EncodeReferenceBmp(ConstView24 picture)
{
    std::map<uint32_t, uint8_t> index;
    std::vector<Rgb24> palette;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            auto [it, added] = index.try_emplace(Key(picture.At(x, y)), uint8_t(palette.size()));
            if (added) {
                if (palette.size() == 256)
                    return Plain24(picture);
                palette.push_back(picture.At(x, y));
            }
        }
    // Encoded runs only: (count, index) pairs, an end-of-line after each row
    // and an end-of-bitmap after the last.
    std::vector<uint8_t> data;
    for (int y = picture.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width();) {
            uint8_t colour = index[Key(picture.At(x, y))];
            int run = 1;
            while (x + run < picture.Width() && run < 255 && index[Key(picture.At(x + run, y))] == colour)
                ++run;
            data.push_back(uint8_t(run));
            data.push_back(colour);
            x += run;
        }
        data.insert(data.end(), {0, 0});
    }
    data.insert(data.end(), {0, 1});
    std::vector<uint8_t> out;
    PutHeaders(out, picture, 8, 1, uint32_t(palette.size()), uint32_t(data.size()));
    for (Rgb24 p : palette)
        out.insert(out.end(), {p.b, p.g, p.r, 0});
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
