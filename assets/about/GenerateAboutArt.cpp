// Writes the About box's pictures: GenerateAboutArt <folder>
// (AboutPicture.bmp and OkGlyph.bmp, 24 bits per pixel).
#include <cstdio>
#include <string>

#include "AssetFile.h"
#include "about/AboutArt.h"
#include "gfx/BmpEncoder.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    bool ok = WriteAssetFile(folder + "/AboutPicture.bmp", EncodeBmp24(DrawAboutPicture())) &&
              WriteAssetFile(folder + "/OkGlyph.bmp", EncodeBmp24(DrawOkGlyph()));
    return ok ? 0 : 1;
}
