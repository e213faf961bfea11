#include "skin/model/SkinFileReader.h"

#include <cstdio>
#include <memory>

std::optional<std::vector<uint8_t>> TsStdioFileReader::ReadWhole(const std::string& path) const
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t block[65536];
    for (;;) {
        std::size_t n = std::fread(block, 1, sizeof block, file.get());
        if (int64_t(bytes.size() + n) > kMaxSkinFileSize)
            return std::nullopt;
        bytes.insert(bytes.end(), block, block + n);
        if (n < sizeof block)
            break;
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

const TsFileReader& DefaultSkinFileReader()
{
    static const TsStdioFileReader reader;
    return reader;
}
