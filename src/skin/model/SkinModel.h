#pragma once
// The loaded skin: the section, mask and pattern tables, the master bitmap
// and the skin-wide data, with the queries every painter uses. The skin
// manager owns one and loads it; painters only read it.
//
// Every load replaces the whole model. A load that fails (EConvertError for
// a non-numeric field, ECorruptSkinPackage, ENotSkinPackage, EFOpenError,
// std::bad_alloc) leaves the model empty. Images that are missing or cannot
// be decoded are skipped (the reason is kept in LoadWarnings()).
//
// A skin from disk is untrusted: each image file is decoded once and shared
// by every key that names it, and one skin decodes at most kMaxSkinPixels
// pixels in all (further images are skipped), so its pixels never take more
// than 192 MiB whatever its Options.dat says.

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gfx/PixelView.h"
#include "skin/model/SkinData.h"
#include "skin/model/SkinErrors.h"
#include "skin/model/SkinMasks.h"
#include "skin/model/SkinPatterns.h"
#include "skin/model/SkinSections.h"

class TacIniView;
class TacSkinConvertor;
class TsFileReader;
class TsSkinFiles;
struct TsStoredSkin;

constexpr int64_t kMaxSkinPixels = int64_t(64) << 20;

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
    // The most pixels the skin's images may take in all.
    int64_t MaxPixels = kMaxSkinPixels;
    // Reads the files of a folder skin and of CommonSections; none: the C library's.
    const TsFileReader* FileReader = nullptr;
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
    // From a skin folder holding Options.dat and the images it names; only
    // names of files inside the folder are read.
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
    // One image entry of a section, read into a mask when it names one.
    void AddMask(const std::string& section, const std::string& key, const std::string& value,
                 const TsSkinFiles& files);
    void LoadPatterns(const TacIniView& ini, const TsSkinFiles& files, const TacJpegDecoder* decoder);
    void LoadCommonPatterns(const TacIniView& common, const TsSkinFiles& files, const TacJpegDecoder* decoder);
    void LoadSkinWideKeys(const TacIniView& ini);
    void LoadCollections(const TsStoredSkin& skin);
    Image24 DecodeBitmap(const TsSkinFiles& files, const std::string& name);
    TsSharedImage DecodeBitmapFile(const TsSkinFiles& files, const std::string& name);
    TsSharedImage DecodeJpegFile(const TsSkinFiles& files, const std::string& name, const TacJpegDecoder& decoder);
    bool TakeFromPixelBudget(const std::string& name, int width, int height);
    int64_t maxPixels_ = kMaxSkinPixels;
    void AddPicture(const TsSharedImage& picture, std::string_view section, std::string_view key);
    void ApplyColorChanges(int hueOffset, int saturation);
    void RecomputeCommonIndexes();
    void BuildLookups();
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
    // While loading: each image file decoded once (an empty image for one
    // that is missing or refused), and the pixels decoded so far.
    std::unordered_map<std::string, TsSharedImage> decodedFiles_;
    int64_t decodedPixels_ = 0;
    // The first section of each name and the first mask, texture and pattern
    // of each section and key, so that a query costs the length of the
    // PARENTCLASS chain it walks, not the size of the tables. Looked up by
    // views of the names, without copying them.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    template <typename Value>
    using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;
    using KeyLookup = TextMap<TextMap<int>>;  // section name, then key: index
    static int Find(const KeyLookup& lookup, std::string_view section, std::string_view key);

    TextMap<int> sectionLookup_;
    KeyLookup maskLookup_, textureLookup_, patternLookup_;
};
