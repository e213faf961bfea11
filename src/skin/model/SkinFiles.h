#pragma once
// Where the image files a skin names come from: the members of its package,
// or the files of its folder.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "skin/model/SkinFileReader.h"

class TacSkinConvertor;

class TsSkinFiles {
public:
    virtual ~TsSkinFiles() = default;
    // A bitmap file named as the skin writes it; nullopt when there is none.
    virtual std::optional<std::vector<uint8_t>> Bitmap(const std::string& name) const = 0;
    // A JPEG file; package members are matched ignoring letter case.
    virtual std::optional<std::vector<uint8_t>> Jpeg(const std::string& name) const = 0;
};

// Members of a package: a bitmap name must equal the upper-cased member name
// exactly (so "MASTER.BMP" finds "Master.bmp", "master.bmp" finds nothing).
class TsPackageFiles final : public TsSkinFiles {
public:
    explicit TsPackageFiles(const TacSkinConvertor& package);
    std::optional<std::vector<uint8_t>> Bitmap(const std::string& name) const override;
    std::optional<std::vector<uint8_t>> Jpeg(const std::string& name) const override;

private:
    const TacSkinConvertor& package_;
    std::unordered_map<std::string, std::size_t> byUpperName_;  // the first member of each name
};

// Files under a skin path (a folder with its trailing separator), read with
// reader. Only names of files inside that folder are looked up
// (IsNameInsideSkin); any other name, and every name under an empty skin
// path, counts as missing without an open.
class TsFolderFiles final : public TsSkinFiles {
public:
    TsFolderFiles(std::string skinPath, const TsFileReader& reader) : skinPath_(std::move(skinPath)), reader_(reader) {}
    std::optional<std::vector<uint8_t>> Bitmap(const std::string& name) const override;
    std::optional<std::vector<uint8_t>> Jpeg(const std::string& name) const override { return Bitmap(name); }

private:
    std::string skinPath_;
    const TsFileReader& reader_;
};
