// The whole load of a skin from package bytes: reader, Options.dat, model,
// then the queries painters make. Only the loaders' own errors may end it.
//
// Inputs that start with the package magic are loaded as they are. Any other
// input is split at its first zero byte into an Options.dat text and a
// Master.bmp and packed first, so that mutations reach the loader behind
// the checksums of a real package.

#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "core/Exceptions.h"
#include "skin/model/SkinModel.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

void PutMember(std::vector<uint8_t>& out, const char* name, const uint8_t* data, std::size_t size)
{
    Put32(out, uint32_t(std::strlen(name)));
    out.insert(out.end(), name, name + std::strlen(name));
    Put32(out, uint32_t(size));
    uLongf packed = compressBound(uLong(size));
    std::size_t at = out.size();
    out.resize(at + packed);
    compress2(out.data() + at, &packed, data, uLong(size), 1);
    out.resize(at + packed);
}

std::vector<uint8_t> PackageOf(const uint8_t* data, std::size_t size)
{
    const uint8_t* split = std::find(data, data + size, uint8_t(0));
    std::vector<uint8_t> package = {'Q', 'L', 'p', 'k'};
    Put32(package, 2);
    PutMember(package, "Options.dat", data, std::size_t(split - data));
    const uint8_t* bmp = split == data + size ? split : split + 1;
    PutMember(package, "Master.bmp", bmp, std::size_t(data + size - bmp));
    return package;
}

// A query walks the section's PARENTCLASS chain, which can be as long as the
// skin has sections. Painters ask about a few dozen named sections, so the
// queries are made for the first few dozen only (every section's would cost
// the number of sections squared on one long chain, which no painter asks).
void Query(const TsSkinModel& model)
{
    constexpr std::size_t kQueriedSections = 32;
    for (std::size_t i = 0; i < std::min(model.Sections().size(), kQueriedSections); ++i) {
        const std::string& name = model.Sections()[i].SectionName;
        for (const char* key : {"BORDERSMASK", "GLYPHMASK", "PATTERN", "HOTPATTERN"}) {
            int mask = model.GetMaskIndex(int(i), name, key);
            if (model.IsValidMaskIndex(mask)) {
                const TsMaskData& m = model.Masks()[std::size_t(mask)];
                (void)GetMaskFrameSize(m);
                (void)(MaskWidthLeft(m) + MaskWidthTop(m) + MaskWidthRight(m) + MaskWidthBottom(m));
            }
            (void)model.GetTextureIndex(int(i), name, key);
            (void)model.GetPatternIndex(int(i), name, key);
        }
    }
    (void)model.GetGlobalColor();
    (void)model.GetGlobalFontColor();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    std::vector<uint8_t> packed;
    std::span<const uint8_t> package(data, size);
    if (size < 4 || std::memcmp(data, "QLpk", 4) != 0) {
        packed = PackageOf(data, size);
        package = packed;
    }
    TsSkinModel model;
    try {
        model.LoadFromPackageData(package, {.HueOffset = int(size % 7) * 40 - 120, .Saturation = int(size % 5) * 50 - 100});
    } catch (const Exception&) {
        return 0;
    }
    Query(model);
    return 0;
}
