// Writes the command buttons' glyph pictures: GenerateGlyphs <output folder>
#include <cstdio>
#include <string>

#include "gfx/BmpEncoder.h"
#include "glyphs/GlyphArt.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    for (const ButtonGlyph& glyph : ButtonGlyphs()) {
        std::string path = std::string(argv[1]) + "/" + glyph.fileName;
        std::vector<std::uint8_t> bytes = EncodeBmp32(glyph.draw());
        std::FILE* file = std::fopen(path.c_str(), "wb");
        bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        if (file && std::fclose(file) != 0)
            written = false;
        if (!written) {
            std::perror(path.c_str());
            return 1;
        }
    }
    return 0;
}
