#include "skin/model/SkinFiles.h"

#include <cstdio>
#include <memory>

#include "skin/model/SkinIni.h"
#include "skin/model/acSkinPack.h"

TsPackageFiles::TsPackageFiles(const TacSkinConvertor& package) : package_(package)
{
    for (std::size_t i = 0; i < package.Members().size(); ++i)
        byUpperName_.try_emplace(UpperCaseAscii(package.Members()[i].FileName), i);
}

std::optional<std::vector<uint8_t>> TsPackageFiles::Bitmap(const std::string& name) const
{
    auto it = byUpperName_.find(name);
    if (it == byUpperName_.end())
        return std::nullopt;
    return package_.Members()[it->second].Data.Bytes();
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
