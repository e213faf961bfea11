// Writes the internal skin's parts at the main window's sizes as the
// reference pictures of the painting tests.
// Usage: pvx_painting_references SKIN_PACKAGE OUTPUT_FOLDER

#include <cstdio>
#include <fstream>
#include <iterator>

#include "skin/paint/SkinParts.h"
#include "skin/model/SkinModel.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SKIN_PACKAGE OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    TsSkinModel skin;
    try {
        skin.LoadFromPackageData(package);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    for (const NamedPicture& part : MainWindowParts(skin)) {
        std::string path = std::string(argv[2]) + "/" + part.name + ".bmp";
        std::vector<uint8_t> bytes = EncodeReferenceBmp(part.picture.View());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
