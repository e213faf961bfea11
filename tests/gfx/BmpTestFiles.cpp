#include "BmpTestFiles.h"

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

}  // namespace

std::vector<uint8_t> MakeBmp(const BmpSpec& spec, const std::vector<uint8_t>& pixelData)
{
    std::vector<uint8_t> info;
    Put32(info, spec.headerSize);
    Put32(info, uint32_t(spec.width));
    Put32(info, uint32_t(spec.height));
    Put16(info, spec.planes);
    Put16(info, spec.bitCount);
    Put32(info, spec.compression);
    Put32(info, uint32_t(pixelData.size()));
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, spec.colorsUsed);
    Put32(info, 0);
    bool masksInside = spec.headerSize > 40;
    for (std::size_t i = 0; masksInside && i < spec.masks.size(); ++i)
        Put32(info, spec.masks[i]);
    info.resize(spec.headerSize, 0);
    for (std::size_t i = 0; !masksInside && i < spec.masks.size(); ++i)
        Put32(info, spec.masks[i]);
    for (uint32_t c : spec.palette)
        Put32(info, c);

    std::vector<uint8_t> file = {'B', 'M'};
    Put32(file, uint32_t(14 + info.size() + pixelData.size()));
    Put32(file, 0);
    Put32(file, uint32_t(14 + info.size()));
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), pixelData.begin(), pixelData.end());
    return file;
}
