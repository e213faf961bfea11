// Writes the command buttons' glyph pictures: GenerateGlyphs <output folder>
#include <cstdio>
#include <string>

#include "AssetFile.h"
#include "gfx/BmpEncoder.h"
#include "glyphs/GlyphArt.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    for (const ButtonGlyph& glyph : ButtonGlyphs())
        if (!WriteAssetFile(std::string(argv[1]) + "/" + glyph.fileName, EncodeBmp32(glyph.draw())))
            return 1;
    return 0;
}
