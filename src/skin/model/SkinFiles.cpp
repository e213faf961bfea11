#include "skin/model/SkinFiles.h"

#include "skin/model/SkinFileNames.h"
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
    if (skinPath_.empty() || !IsNameInsideSkin(name))
        return std::nullopt;
    return reader_.ReadWhole(skinPath_ + name);
}
