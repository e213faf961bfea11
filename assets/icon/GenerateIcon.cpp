// Writes the program's icon file: GenerateIcon <output.ico>
#include <cstdio>

#include "icon/IconArt.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.ico>\n", argv[0]);
        return 2;
    }
    std::vector<std::uint8_t> bytes = BuildProgramIconFile();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::perror(argv[1]);
        return 1;
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
