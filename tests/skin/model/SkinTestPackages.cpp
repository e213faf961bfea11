#include "skin/model/SkinTestPackages.h"

#include <zlib.h>

#include <stdexcept>

#include "gfx/TestData.h"

namespace {

void Append32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t Read32(const std::vector<uint8_t>& bytes, std::size_t offset)
{
    return uint32_t(bytes[offset]) | (uint32_t(bytes[offset + 1]) << 8) | (uint32_t(bytes[offset + 2]) << 16) |
           (uint32_t(bytes[offset + 3]) << 24);
}

}  // namespace

std::vector<uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::vector<uint8_t> BuildPackage(const std::vector<TestMember>& members)
{
    std::vector<uint8_t> out = {'Q', 'L', 'p', 'k'};
    Append32(out, uint32_t(members.size()));
    for (const TestMember& m : members) {
        Append32(out, uint32_t(m.name.size()));
        out.insert(out.end(), m.name.begin(), m.name.end());
        Append32(out, uint32_t(m.bytes.size()));
        uLongf size = compressBound(uLong(m.bytes.size()));
        std::vector<uint8_t> packed(size);
        if (compress2(packed.data(), &size, m.bytes.data(), uLong(m.bytes.size()), 6) != Z_OK)
            throw std::runtime_error("compress2 failed");
        out.insert(out.end(), packed.begin(), packed.begin() + std::ptrdiff_t(size));
    }
    return out;
}

std::vector<std::size_t> LengthFieldOffsets(const std::vector<uint8_t>& package)
{
    std::vector<std::size_t> offsets = {4};
    std::size_t at = 8;
    uint32_t count = Read32(package, 4);
    for (uint32_t i = 0; i < count; ++i) {
        offsets.push_back(at);
        at += 4 + Read32(package, at);
        offsets.push_back(at);
        uint32_t size = Read32(package, at);
        at += 4;
        // Find the stream's end by inflating it.
        z_stream z{};
        inflateInit(&z);
        std::vector<uint8_t> sink(size + 1);
        z.next_in = const_cast<uint8_t*>(package.data() + at);
        z.avail_in = uInt(package.size() - at);
        z.next_out = sink.data();
        z.avail_out = uInt(sink.size());
        inflate(&z, Z_FINISH);
        at += z.total_in;
        inflateEnd(&z);
    }
    return offsets;
}

void PutInt32(std::vector<uint8_t>& bytes, std::size_t offset, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + std::size_t(i)] = uint8_t(uint32_t(value) >> (8 * i));
}

std::vector<uint8_t> SolidBmp(int w, int h, uint32_t rgb)
{
    uint32_t rowBytes = (uint32_t(w) * 3 + 3) & ~3u;
    std::vector<uint8_t> out = {'B', 'M'};
    Append32(out, 54 + rowBytes * uint32_t(h));
    Append32(out, 0);
    Append32(out, 54);
    Append32(out, 40);
    Append32(out, uint32_t(w));
    Append32(out, uint32_t(h));
    out.insert(out.end(), {1, 0, 24, 0});
    for (int i = 0; i < 6; ++i)
        Append32(out, 0);
    for (int y = 0; y < h; ++y) {
        std::size_t start = out.size();
        for (int x = 0; x < w; ++x)
            out.insert(out.end(), {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16)});
        out.resize(start + rowBytes, 0);
    }
    return out;
}

std::vector<uint8_t> InternalSkinPackage()
{
    std::vector<uint8_t> package = ReadTestFile(HostPath(PVX_SKIN_PACKAGE));
    if (package.empty())
        throw std::runtime_error("the internal skin package is missing");
    return package;
}
