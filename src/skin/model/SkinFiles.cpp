#include "skin/model/SkinFiles.h"

#include <cstdio>
#include <memory>

#include "skin/model/SkinIni.h"
#include "skin/model/acSkinPack.h"

std::optional<std::vector<uint8_t>> TsPackageFiles::Bitmap(const std::string& name) const
{
    for (const TacImageItem& item : package_.Members())
        if (UpperCaseAscii(item.FileName) == name)
            return item.Data.Bytes();
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> TsPackageFiles::Jpeg(const std::string& name) const
{
    return Bitmap(UpperCaseAscii(name));
}

std::optional<std::vector<uint8_t>> TsFolderFiles::Bitmap(const std::string& name) const
{
    return ReadSkinFile(SkinFilePath(skinPath_, name));
}

std::string SkinFilePath(const std::string& skinPath, const std::string& name)
{
    return name.find(':') != std::string::npos ? name : skinPath + name;
}

std::optional<std::vector<uint8_t>> ReadSkinFile(const std::string& path)
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
