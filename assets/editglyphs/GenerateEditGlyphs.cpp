// Writes the edit buttons' default glyphs: GenerateEditGlyphs <output folder>
#include <cstdio>
#include <string>

#include "AssetFile.h"
#include "editglyphs/EditGlyphArt.h"
#include "gfx/BmpEncoder.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    for (const EditGlyph& glyph : EditGlyphs())
        if (!WriteAssetFile(std::string(argv[1]) + "/" + glyph.resourceName + ".bmp", EncodeBmp24(glyph.draw())))
            return 1;
    return 0;
}
