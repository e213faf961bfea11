#include "skin/model/SkinModel.h"

#include <algorithm>
#include <unordered_set>

#include "gfx/BmpDecoder.h"
#include "skin/model/SkinColors.h"
#include "skin/model/SkinFiles.h"
#include "skin/model/SkinIni.h"
#include "skin/model/SkinStoredSkin.h"
#include "skin/model/acSkinPack.h"

namespace {

constexpr std::string_view kGlobalInfo = "GLOBALINFO";

const TsFileReader& ReaderOf(const TsSkinLoadOptions& options)
{
    return options.FileReader ? *options.FileReader : DefaultSkinFileReader();
}

bool IsJpegName(std::string_view value)
{
    std::string upper = UpperCaseAscii(value);
    return upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos;
}

std::string_view OptionsText(const TacSkinConvertor& package)
{
    const std::vector<uint8_t>& bytes = package.OptionsData()->Bytes();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void ShiftColor(int32_t& color, int hueOffset, int saturation)
{
    if (color == -1)
        return;
    color = ChangeSaturation(ShiftHue(color, hueOffset), saturation);
}

void ShiftSectionColors(TsGeneralData& d, int hueOffset, int saturation)
{
    ShiftColor(d.Color, hueOffset, saturation);
    ShiftColor(d.HotColor, hueOffset, saturation);
    for (int32_t& c : d.FontColor)
        ShiftColor(c, hueOffset, saturation);
    for (int32_t& c : d.HotFontColor)
        ShiftColor(c, hueOffset, saturation);
    for (TsGradArray* gradient : {&d.GradientArray, &d.HotGradientArray}) {
        for (TsGradSegment& segment : *gradient) {
            ShiftColor(segment.Color1, hueOffset, saturation);
            ShiftColor(segment.Color2, hueOffset, saturation);
        }
    }
}

void ShiftImage(View24 image, int hueOffset, int saturation)
{
    ShiftHue(image, hueOffset);
    ChangeSaturation(image, saturation);
}


}  // namespace

void TsSkinModel::Clear()
{
    loaded_ = false;
    loadedFromPackage_ = false;
    sections_.clear();
    masks_.clear();
    patterns_.clear();
    master_ = Image24();
    bool active = skinData_.Active;
    skinData_ = TsSkinData();
    skinData_.Active = active;
    warnings_.clear();
    decodedFiles_.clear();
    decodedPixels_ = 0;
    BuildLookups();
    RecomputeCommonIndexes();
}

void TsSkinModel::LoadFromPackage(const TacSkinConvertor& package, const std::string& skinPath,
                                  const TsSkinLoadOptions& options)
{
    Clear();
    if (!package.OptionsData())
        throw ECorruptSkinPackage("Corrupt skin package: no Options.dat member");
    skinData_.SkinPath = skinPath;
    TacIniView ini(OptionsText(package));
    LoadFromIni(ini, TsPackageFiles(package), options);
    loadedFromPackage_ = true;
}

void TsSkinModel::LoadFromPackageData(std::span<const uint8_t> package, const TsSkinLoadOptions& options)
{
    Clear();
    TacSpanStream stream(package);
    TacSkinConvertor reader;
    reader.ReadPackage(stream);
    LoadFromPackage(reader, std::string(), options);
}

void TsSkinModel::LoadFromFolder(const std::string& folder, const TsSkinLoadOptions& options)
{
    Clear();
    std::string skinPath = folder;
    if (skinPath.empty() || (skinPath.back() != '\\' && skinPath.back() != '/'))
#ifdef _WIN32
        skinPath += '\\';
#else
        skinPath += '/';
#endif
    std::string optionsPath = skinPath + "Options.dat";
    std::optional<std::vector<uint8_t>> text = ReaderOf(options).ReadWhole(optionsPath);
    if (!text)
        throw EFOpenError("Cannot open file \"" + optionsPath + "\"");
    skinData_.SkinPath = skinPath;
    TacIniView ini(std::string_view(reinterpret_cast<const char*>(text->data()), text->size()));
    LoadFromIni(ini, TsFolderFiles(skinPath, ReaderOf(options)), options);
}

void TsSkinModel::LoadFromStoredSkin(const TsStoredSkin& skin, const TsSkinLoadOptions& options)
{
    if (!skin.Data.empty()) {
        LoadFromPackageData(skin.Data, options);
        return;
    }
    Clear();
    maxPixels_ = options.MaxPixels;
    try {
        LoadCollections(skin);
        TacIniView common(options.CommonSections);
        TsFolderFiles commonFiles(skinData_.SkinPath, ReaderOf(options));
        LoadCommonMasks(common, commonFiles);
        LoadCommonPatterns(common, commonFiles, options.JpegDecoder);
        ApplyColorChanges(options.HueOffset, options.Saturation);
        loaded_ = true;
        BuildLookups();
        RecomputeCommonIndexes();
    } catch (...) {
        Clear();
        throw;
    }
}

void TsSkinModel::LoadFromIni(const TacIniView& ini, const TsSkinFiles& files, const TsSkinLoadOptions& options)
{
    maxPixels_ = options.MaxPixels;
    try {
        TacIniView common(options.CommonSections);
        TsFolderFiles commonFiles(skinData_.SkinPath, ReaderOf(options));
        LoadMasks(ini, files);
        LoadCommonMasks(common, commonFiles);
        LoadPatterns(ini, files, options.JpegDecoder);
        LoadCommonPatterns(common, commonFiles, options.JpegDecoder);
        LoadSkinWideKeys(ini);
        if (common.Sections().empty()) {
            sections_ = ReadSkinSections(ini);
        } else {
            TacIniView merged = ini;
            merged.MergeFrom(common);
            sections_ = ReadSkinSections(merged);
        }
        ApplyColorChanges(options.HueOffset, options.Saturation);
        decodedFiles_.clear();
        loaded_ = true;
        BuildLookups();
        RecomputeCommonIndexes();
    } catch (...) {
        Clear();
        throw;
    }
}

bool TsSkinModel::TakeFromPixelBudget(const std::string& name, int width, int height)
{
    int64_t pixels = int64_t(width) * height;
    if (decodedPixels_ + pixels > maxPixels_) {
        warnings_.push_back("Skin image \"" + name + "\" skipped: the skin's images exceed " +
                            std::to_string(maxPixels_) + " pixels in all");
        return false;
    }
    decodedPixels_ += pixels;
    return true;
}

Image24 TsSkinModel::DecodeBitmap(const TsSkinFiles& files, const std::string& name)
{
    std::optional<std::vector<uint8_t>> bytes = files.Bitmap(name);
    if (!bytes)
        return {};
    BmpDecodeResult decoded = DecodeBmp(*bytes);
    if (!decoded.Ok()) {
        warnings_.push_back("Skin image \"" + name + "\" skipped: " + decoded.error);
        return {};
    }
    if (!TakeFromPixelBudget(name, decoded.image.Width(), decoded.image.Height()))
        return {};
    return std::move(decoded.image);
}

TsSharedImage TsSkinModel::DecodeBitmapFile(const TsSkinFiles& files, const std::string& name)
{
    auto [cached, added] = decodedFiles_.try_emplace("BMP:" + name);
    if (added)
        if (Image24 image = DecodeBitmap(files, name); !image.IsEmpty())
            cached->second = TsSharedImage(std::move(image));
    return cached->second;
}

TsSharedImage TsSkinModel::DecodeJpegFile(const TsSkinFiles& files, const std::string& name,
                                          const TacJpegDecoder& decoder)
{
    auto [cached, added] = decodedFiles_.try_emplace("JPEG:" + name);
    if (!added)
        return cached->second;
    std::optional<std::vector<uint8_t>> bytes = files.Jpeg(name);
    if (!bytes)
        return {};
    std::optional<Image24> picture = decoder.Decode(*bytes);
    if (!picture || picture->Width() == 0) {
        warnings_.push_back("JPEG texture \"" + name + "\" skipped: it cannot be decoded");
        return {};
    }
    if (!TakeFromPixelBudget(name, picture->Width(), picture->Height()))
        return {};
    cached->second = TsSharedImage(std::move(*picture));
    return cached->second;
}

void TsSkinModel::LoadMasks(const TacIniView& ini, const TsSkinFiles& files)
{
    std::string masterName = ini.ReadString(kGlobalInfo, "MASTERBITMAP", "");
    if (!masterName.empty())
        master_ = DecodeBitmap(files, masterName);
    for (const TacIniView::Section& section : ini.Sections()) {
        bool global = section.NameUpper == kGlobalInfo;
        for (const TacIniView::Entry& entry : section.Entries) {
            if (global && entry.KeyUpper == "MASTERBITMAP")
                continue;
            AddMask(section.Name, entry.Key, entry.Value, files);
        }
    }
}

void TsSkinModel::AddMask(const std::string& section, const std::string& key, const std::string& value,
                          const TsSkinFiles& files)
{
    std::optional<TsImageEntry> parsed = ParseImageEntry(section, key, value);
    if (!parsed)
        return;
    if (!parsed->FileName.empty()) {
        TsSharedImage bitmap = DecodeBitmapFile(files, parsed->FileName);
        if (bitmap.Width() < 1)
            return;  // an image entry whose picture is missing or unreadable is left out
        AttachEntryBitmap(*parsed, std::move(bitmap));
    }
    parsed->Mask.Model = this;
    masks_.push_back(std::move(parsed->Mask));
}

void TsSkinModel::LoadCommonMasks(const TacIniView& common, const TsSkinFiles& files)
{
    for (const TacIniView::Section& section : common.Sections()) {
        if (section.NameUpper == kGlobalInfo)
            continue;
        for (const TacIniView::Entry& entry : section.Entries) {
            const std::string& value = entry.Value;
            if (value.empty() || std::string_view("^@~!").find(value[0]) != std::string_view::npos)
                continue;
            AddMask(section.Name, entry.Key, value, files);
        }
    }
}

void TsSkinModel::LoadPatterns(const TacIniView& ini, const TsSkinFiles& files, const TacJpegDecoder* decoder)
{
    for (const TacIniView::Section& section : ini.Sections()) {
        for (const TacIniView::Entry& entry : section.Entries) {
            if (!IsJpegName(entry.Value))
                continue;
            if (!decoder) {
                if (files.Jpeg(entry.Value))
                    warnings_.push_back("JPEG texture \"" + entry.Value + "\" skipped: no JPEG decoder");
                continue;
            }
            TsSharedImage picture = DecodeJpegFile(files, entry.Value, *decoder);
            if (!picture.IsEmpty())
                AddPicture(picture, section.Name, entry.Key);
        }
    }
}

// The common sections' JPEG files are patterns whatever their size.
void TsSkinModel::LoadCommonPatterns(const TacIniView& common, const TsSkinFiles& files,
                                     const TacJpegDecoder* decoder)
{
    if (!decoder)
        return;
    for (const TacIniView::Section& section : common.Sections()) {
        for (const TacIniView::Entry& entry : section.Entries) {
            if (!IsJpegName(entry.Value))
                continue;
            TsSharedImage picture = DecodeJpegFile(files, entry.Value, *decoder);
            if (!picture.IsEmpty())
                patterns_.push_back({picture, UpperCaseAscii(section.Name), entry.KeyUpper});
        }
    }
}

// Large pictures stay patterns; small ones become texture masks.
void TsSkinModel::AddPicture(const TsSharedImage& picture, std::string_view section, std::string_view key)
{
    if (int64_t(picture.Width()) * picture.Height() >= kMinPatternPixels) {
        patterns_.push_back({picture, UpperCaseAscii(section), UpperCaseAscii(key)});
        return;
    }
    TsMaskData m;
    m.SectionName = UpperCaseAscii(section);
    m.PropertyName = UpperCaseAscii(key);
    m.Right = picture.Width();
    m.Bottom = picture.Height();
    m.Image = picture;
    m.ImgType = TacImgType::itisaTexture;
    m.ImageCount = 1;
    m.Model = this;
    masks_.push_back(std::move(m));
}

void TsSkinModel::LoadSkinWideKeys(const TacIniView& ini)
{
    TsSkinData& d = skinData_;
    d.Version = ini.ReadFloat(kGlobalInfo, "VERSION", 0);
    d.Author = ini.ReadString(kGlobalInfo, "AUTHOR", "");
    d.Description = ini.ReadString(kGlobalInfo, "DESCRIPTION", "");
    d.Shadow1Color = ini.ReadInteger(kGlobalInfo, "SHADOW1COLOR", 0);
    d.Shadow1Offset = SkinStrToInt(ini.ReadString(kGlobalInfo, "SHADOW1OFFSET", "0"));
    d.Shadow1Blur = SkinStrToInt(ini.ReadString(kGlobalInfo, "SHADOW1BLUR", "-1"));
    d.Shadow1Transparency = SkinStrToInt(ini.ReadString(kGlobalInfo, "SHADOW1TRANSPARENCY", "0"));
    d.BISpace = ini.ReadInteger(kGlobalInfo, "BISPACE", 0);
    d.BIVAlign = ini.ReadInteger(kGlobalInfo, "BIVALIGN", 0);
    d.BorderColor = ini.ReadInteger(kGlobalInfo, "BORDERCOLOR", 0);
}

void TsSkinModel::LoadCollections(const TsStoredSkin& skin)
{
    master_ = skin.MasterBitmap;
    for (const TsSkinImage& image : skin.Images) {
        TsMaskData m;
        m.SectionName = image.SectionName;
        m.PropertyName = image.PropertyName;
        m.Image = image.Image;
        m.Left = image.Left;
        m.Top = image.Top;
        m.Right = image.Right;
        m.Bottom = image.Bottom;
        if (m.HasOwnImage() && m.Width() <= 0 && m.Height() <= 0) {
            m.Left = m.Top = 0;
            m.Right = m.Image.Width();
            m.Bottom = m.Image.Height();
        }
        bool counted = image.ImageCount != 0;
        m.ImageCount = counted ? image.ImageCount : 3;
        m.MaskType = counted ? image.MaskType : 1;
        m.BorderWidth = image.BorderWidth;
        m.StretchMode = image.StretchMode;
        std::string key = UpperCaseAscii(image.PropertyName);
        m.ImgType = key == "PATTERN" || key == "HOTPATTERN" ? TacImgType::itisaTexture : image.ImgType;
        CompleteStoredMask(m);
        m.Model = this;
        masks_.push_back(std::move(m));
    }
    for (const TsSkinPattern& pattern : skin.Patterns)
        patterns_.push_back({pattern.Image, pattern.SectionName, pattern.PropertyName});
    skinData_.Version = skin.Version;
    skinData_.Author = skin.Author;
    skinData_.Description = skin.Description;
    skinData_.Shadow1Color = skin.Shadow1Color;
    skinData_.Shadow1Offset = skin.Shadow1Offset;
    skinData_.Shadow1Blur = skin.Shadow1Blur;
    skinData_.Shadow1Transparency = skin.Shadow1Transparency;
    skinData_.BorderColor = skin.BorderColor;
    for (const TsSkinGeneral& stored : skin.GeneralData) {
        TsGeneralData d = stored.General;
        d.Color = ResolveSkinColor(d.Color);
        d.FontColor = ParseFontColors(stored.FontColor);
        d.HotFontColor = ParseFontColors(stored.HotFontColor);
        d.GradientArray = ParseGradientData(d.GradientData);
        d.HotGradientArray = ParseGradientData(d.HotGradientData);
        sections_.push_back(std::move(d));
    }
}

void TsSkinModel::ApplyColorChanges(int hueOffset, int saturation)
{
    if (hueOffset == 0 && saturation == 0)
        return;
    ShiftImage(master_.View(), hueOffset, saturation);
    std::unordered_set<const void*> shifted;
    for (TsMaskData& m : masks_)
        if (shifted.insert(m.Image.Identity()).second)
            ShiftImage(m.Image.MutableView(), hueOffset, saturation);
    for (TsGeneralData& d : sections_)
        ShiftSectionColors(d, hueOffset, saturation);
    ShiftColor(skinData_.Shadow1Color, hueOffset, saturation);
    ShiftColor(skinData_.BorderColor, hueOffset, saturation);
}

template <typename Match>
int TsSkinModel::FindInChain(int sectionIndex, std::string_view sectionName, Match match) const
{
    // A PARENTCLASS chain can visit each section once at most; longer means a loop.
    for (std::size_t step = 0; step <= sections_.size(); ++step) {
        if (sectionIndex < 0 || sectionName.empty())
            return -1;
        if (int found = match(sectionName); found >= 0)
            return found;
        if (std::size_t(sectionIndex) >= sections_.size())
            return -1;
        const std::string& parent = sections_[std::size_t(sectionIndex)].ParentClass;
        if (parent.empty() || parent == sectionName)
            return -1;
        sectionIndex = GetSectionIndex(parent);
        sectionName = parent;
    }
    return -1;
}

void TsSkinModel::BuildLookups()
{
    sectionLookup_.clear();
    maskLookup_.clear();
    textureLookup_.clear();
    patternLookup_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        sectionLookup_.try_emplace(sections_[i].SectionName, int(i));
    for (std::size_t i = 0; i < masks_.size(); ++i) {
        const TsMaskData& m = masks_[i];
        maskLookup_[m.SectionName].try_emplace(m.PropertyName, int(i));
        if (m.ImgType == TacImgType::itisaTexture)
            textureLookup_[m.SectionName].try_emplace(m.PropertyName, int(i));
    }
    for (std::size_t i = 0; i < patterns_.size(); ++i)
        patternLookup_[patterns_[i].SectionName].try_emplace(patterns_[i].PropertyName, int(i));
}

int TsSkinModel::Find(const KeyLookup& lookup, std::string_view section, std::string_view key)
{
    auto keys = lookup.find(section);
    if (keys == lookup.end())
        return -1;
    auto found = keys->second.find(key);
    return found == keys->second.end() ? -1 : found->second;
}

int TsSkinModel::GetSectionIndex(std::string_view name) const
{
    auto found = sectionLookup_.find(name);
    return found == sectionLookup_.end() ? -1 : found->second;
}

int TsSkinModel::GetMaskIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const
{
    return FindInChain(sectionIndex, sectionName, [&](std::string_view section) {
        return Find(maskLookup_, section, propertyName);
    });
}

int TsSkinModel::GetTextureIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const
{
    if (masks_.empty())
        return -1;
    return FindInChain(sectionIndex, sectionName, [&](std::string_view section) {
        return Find(textureLookup_, section, propertyName);
    });
}

int TsSkinModel::GetPatternIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const
{
    return FindInChain(sectionIndex, sectionName, [&](std::string_view section) {
        return Find(patternLookup_, section, propertyName);
    });
}

bool TsSkinModel::IsValidSectionIndex(int index) const
{
    return loaded_ && index >= 0 && std::size_t(index) < sections_.size();
}

bool TsSkinModel::IsValidMaskIndex(int index) const
{
    return index >= 0 && std::size_t(index) < masks_.size();
}

int32_t TsSkinModel::GetGlobalColor() const
{
    int index = GetSectionIndex(kGlobalInfo);
    constexpr int32_t kButtonFace = int32_t(0xFF00000Fu);
    return ResolveSkinColor(index >= 0 ? sections_[std::size_t(index)].Color : kButtonFace);
}

int32_t TsSkinModel::GetGlobalFontColor() const
{
    int index = GetSectionIndex(kGlobalInfo);
    return index >= 0 ? ResolveSkinColor(sections_[std::size_t(index)].FontColor[0]) : kSkinKeyColor;
}

TsSectionIndexes TsSkinModel::SectionIndexes(std::string_view section) const
{
    TsSectionIndexes x;
    x.Section = GetSectionIndex(section);
    if (x.Section < 0)
        return x;
    x.BorderMask = GetMaskIndex(x.Section, section, "BORDERSMASK");
    x.GlyphMask = GetMaskIndex(x.Section, section, "GLYPHMASK");
    x.Pattern = GetTextureIndex(x.Section, section, "PATTERN");
    x.HotPattern = GetTextureIndex(x.Section, section, "HOTPATTERN");
    return x;
}

int TsSkinModel::GlobalGlyph(std::string_view key) const
{
    return GetMaskIndex(common_.GlobalInfo, kGlobalInfo, key);
}

void TsSkinModel::RecomputeCommonIndexes()
{
    TsCommonIndexes& c = common_;
    c = TsCommonIndexes();
    c.GlobalInfo = GetSectionIndex(kGlobalInfo);
    c.BoxChecked = GlobalGlyph("BOXCHECKED");
    c.BoxUnchecked = GlobalGlyph("BOXUNCHECKED");
    c.BoxGrayed = GlobalGlyph("BOXGRAYED");
    c.RadioChecked = GlobalGlyph("RADIOCHECKED");
    c.RadioUnchecked = GlobalGlyph("RADIOUNCHECKED");
    c.RadioGrayed = GlobalGlyph("RADIOGRAYED");
    c.SmallChecked = GlobalGlyph("SMALLCHECKED");
    c.SmallUnchecked = GlobalGlyph("SMALLUNCHECKED");
    c.SmallGrayed = GlobalGlyph("SMALLGRAYED");
    c.ComboBtn = SectionIndexes("COMBOBTN");
    c.ComboBox = SectionIndexes("COMBOBOX");
    c.TabTop = SectionIndexes("TABTOP");
    c.TabBottom = SectionIndexes("TABBOTTOM");
    c.TabLeft = SectionIndexes("TABLEFT");
    c.TabRight = SectionIndexes("TABRIGHT");
    c.ScrollBtnTop = SectionIndexes("SCROLLBTNTOP");
    c.ScrollBtnBottom = SectionIndexes("SCROLLBTNBOTTOM");
    c.ScrollBtnLeft = SectionIndexes("SCROLLBTNLEFT");
    c.ScrollBtnRight = SectionIndexes("SCROLLBTNRIGHT");
    c.ScrollSliderV = SectionIndexes("SCROLLSLIDERV");
    c.ScrollSliderH = SectionIndexes("SCROLLSLIDERH");
    c.ScrollBar1H = SectionIndexes("SCROLLBAR1H");
    c.ScrollBar1V = SectionIndexes("SCROLLBAR1V");
    c.ScrollBar2H = SectionIndexes("SCROLLBAR2H");
    c.ScrollBar2V = SectionIndexes("SCROLLBAR2V");
}
