// Writes a skin package: "QLpk", the member count, then per member its name
// length, its name, its unpacked size and one zlib stream of its bytes.
// Usage: PackSkin OUTPUT MEMBER_FILE...   (members in the order given, each
// named by its file name without the folder)
//
// The output depends on nothing but the members: a fixed compression level,
// no time stamps.

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kLevel = 6;  // zlib's default level; its streams start 0x78 0x9C

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return bool(in) || in.eof();
}

std::string FileNameOf(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: PackSkin OUTPUT MEMBER_FILE...\n");
        return 2;
    }
    std::vector<uint8_t> package = {'Q', 'L', 'p', 'k'};
    Put32(package, uint32_t(argc - 2));
    for (int i = 2; i < argc; ++i) {
        std::vector<uint8_t> bytes;
        if (!ReadFile(argv[i], bytes)) {
            std::fprintf(stderr, "PackSkin: cannot read %s\n", argv[i]);
            return 1;
        }
        std::string name = FileNameOf(argv[i]);
        uLongf packedSize = compressBound(uLong(bytes.size()));
        std::vector<uint8_t> packed(packedSize);
        if (compress2(packed.data(), &packedSize, bytes.data(), uLong(bytes.size()), kLevel) != Z_OK) {
            std::fprintf(stderr, "PackSkin: cannot compress %s\n", argv[i]);
            return 1;
        }
        Put32(package, uint32_t(name.size()));
        package.insert(package.end(), name.begin(), name.end());
        Put32(package, uint32_t(bytes.size()));
        package.insert(package.end(), packed.begin(), packed.begin() + std::ptrdiff_t(packedSize));
        std::printf("%s: %zu bytes, %lu packed\n", name.c_str(), bytes.size(), static_cast<unsigned long>(packedSize));
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(package.data()), std::streamsize(package.size()));
    if (!out) {
        std::fprintf(stderr, "PackSkin: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %zu bytes\n", argv[1], package.size());
    return 0;
}
