// Writes the About box's pictures: GenerateAboutArt <folder>
// (AboutPicture.bmp and OkGlyph.bmp, 24 bits per pixel).
#include <cstdio>
#include <string>

#include "about/AboutArt.h"
#include "gfx/BmpEncoder.h"

namespace {
bool Write(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file)
        ok = std::fclose(file) == 0 && ok;
    if (!ok)
        std::perror(path.c_str());
    return ok;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    bool ok = Write(folder + "/AboutPicture.bmp", EncodeBmp24(DrawAboutPicture())) &&
              Write(folder + "/OkGlyph.bmp", EncodeBmp24(DrawOkGlyph()));
    return ok ? 0 : 1;
}
