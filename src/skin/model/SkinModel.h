#pragma once
// The loaded skin: the section, mask and pattern tables, the master bitmap
// and the skin-wide data, with the queries every painter uses. The skin
// manager owns one and loads it; painters only read it.
//
// Every load replaces the whole model. A load that fails (EConvertError for
// a non-numeric field, ECorruptSkinPackage, ENotSkinPackage, EFOpenError)
// leaves the model empty. Images that are missing or cannot be decoded are
// skipped (the reason is kept in LoadWarnings()).

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/PixelView.h"
#include "skin/model/SkinData.h"
#include "skin/model/SkinErrors.h"
#include "skin/model/SkinMasks.h"
#include "skin/model/SkinPatterns.h"
#include "skin/model/SkinSections.h"

class TacIniView;
class TacSkinConvertor;
class TsSkinFiles;
struct TsStoredSkin;

struct TsSkinLoadOptions {
    int HueOffset = 0;
    int Saturation = 0;
    const TacJpegDecoder* JpegDecoder = nullptr;  // none: JPEG textures are skipped
    // Further sections in INI text, merged over the skin's own: a section of
    // the same name takes the keys given here and keeps the others, a new
    // section is appended; their bitmap and JPEG files are looked up under
    // the skin path. A collection-form skin takes their images only. Empty
    // for none.
    std::string CommonSections{};
};

class TsSkinModel {
public:
    TsSkinModel() = default;
    // Masks point back at their model, so it stays where it was made.
    TsSkinModel(const TsSkinModel&) = delete;
    TsSkinModel& operator=(const TsSkinModel&) = delete;

    // From a package already read; skinPath is what file names outside the
    // package are relative to (the skin directory, or empty).
    void LoadFromPackage(const TacSkinConvertor& package, const std::string& skinPath,
                         const TsSkinLoadOptions& options = {});
    // From a whole package in memory (an internal skin's Data); the package
    // reader's errors propagate.
    void LoadFromPackageData(std::span<const uint8_t> package, const TsSkinLoadOptions& options = {});
    // From a skin folder holding Options.dat and the images it names.
    void LoadFromFolder(const std::string& folder, const TsSkinLoadOptions& options = {});
    // From an internal skin: its Data when there is a package, else its collections.
    void LoadFromStoredSkin(const TsStoredSkin& skin, const TsSkinLoadOptions& options = {});
    void Clear();

    bool IsLoaded() const { return loaded_; }
    bool LoadedFromPackage() const { return loadedFromPackage_; }
    const TsGeneralDataArray& Sections() const { return sections_; }
    const TsMaskArray& Masks() const { return masks_; }
    const TsPatternArray& Patterns() const { return patterns_; }
    // 24 bits per pixel; fuchsia (0xFF00FF) pixels are holes.
    const Image24& MasterBitmap() const { return master_; }
    TsSkinData& SkinData() { return skinData_; }
    const TsSkinData& SkinData() const { return skinData_; }
    const TsCommonIndexes& CommonIndexes() const { return common_; }
    const std::vector<std::string>& LoadWarnings() const { return warnings_; }

    // Index of the first section of exactly this name (letter case counts), or -1.
    int GetSectionIndex(std::string_view name) const;
    // The first mask of the section and key, else the same search in the
    // section's PARENTCLASS chain; -1 when sectionIndex < 0 or sectionName is empty.
    int GetMaskIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const;
    // As GetMaskIndex, counting texture masks only.
    int GetTextureIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const;
    // As GetMaskIndex, over the pattern table.
    int GetPatternIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const;
    bool IsValidSectionIndex(int index) const;
    bool IsValidMaskIndex(int index) const;
    // GLOBALINFO's COLOR as RGB, or the system button face without GLOBALINFO.
    int32_t GetGlobalColor() const;
    // GLOBALINFO's FONTCOLOR as RGB, or fuchsia without GLOBALINFO.
    int32_t GetGlobalFontColor() const;

private:
    template <typename Match>
    int FindInChain(int sectionIndex, std::string_view sectionName, Match match) const;
    void LoadFromIni(const TacIniView& ini, const TsSkinFiles& files, const TsSkinLoadOptions& options);
    void LoadMasks(const TacIniView& ini, const TsSkinFiles& files);
    void LoadCommonMasks(const TacIniView& common, const TsSkinFiles& files);
    void LoadPatterns(const TacIniView& ini, const TsSkinFiles& files, const TacJpegDecoder* decoder);
    void LoadCommonPatterns(const TacIniView& common, const TsSkinFiles& files, const TacJpegDecoder* decoder);
    void LoadSkinWideKeys(const TacIniView& ini);
    void LoadCollections(const TsStoredSkin& skin);
    bool ReadBitmapFile(const TsSkinFiles& files, const std::string& name, Image24& image);
    void AddPicture(Image24 picture, std::string_view section, std::string_view key);
    void ApplyColorChanges(int hueOffset, int saturation);
    void RecomputeCommonIndexes();
    TsSectionIndexes SectionIndexes(std::string_view section) const;
    int GlobalGlyph(std::string_view key) const;

    bool loaded_ = false;
    bool loadedFromPackage_ = false;
    TsGeneralDataArray sections_;
    TsMaskArray masks_;
    TsPatternArray patterns_;
    Image24 master_;
    TsSkinData skinData_;
    TsCommonIndexes common_;
    std::vector<std::string> warnings_;
};
