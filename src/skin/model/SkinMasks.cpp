#include "skin/model/SkinMasks.h"

#include <algorithm>

#include "skin/model/SkinIni.h"

namespace {

constexpr int32_t kMaxCoordinate = 1 << 20;

int16_t Clamp16(int32_t value, int32_t lowest)
{
    return int16_t(std::clamp<int32_t>(value, lowest, INT16_MAX));
}

// The characters at 1-based position `position` (as many as there are, up to count).
std::string_view Field(std::string_view value, std::size_t position, std::size_t count)
{
    if (position - 1 >= value.size())
        return {};
    return value.substr(position - 1, count);
}

int32_t Number(std::string_view value, std::size_t position, std::size_t count)
{
    return SkinStrToInt(Field(value, position, count));
}

std::vector<std::string_view> Words(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t start = text.find_first_not_of(separators, i);
        if (start == std::string_view::npos)
            break;
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos)
            end = text.size();
        words.push_back(text.substr(start, end - start));
        i = end;
    }
    return words;
}

int32_t WordNumber(const std::vector<std::string_view>& words, std::size_t index)
{
    return SkinStrToInt(index < words.size() ? words[index] : std::string_view());
}

void SetRectangle(TsMaskData& m, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    m.Left = std::clamp(left, 0, kMaxCoordinate);
    m.Top = std::clamp(top, 0, kMaxCoordinate);
    m.Right = std::clamp(right, m.Left, kMaxCoordinate);
    m.Bottom = std::clamp(bottom, m.Top, kMaxCoordinate);
}

void SetCounts(TsMaskData& m, int32_t imageCount, int32_t maskType)
{
    m.ImageCount = Clamp16(imageCount, 1);
    m.MaskType = Clamp16(maskType, 0);
}

void SetWidths(TsMaskData& m, int32_t wl, int32_t wt, int32_t wr, int32_t wb)
{
    m.WL = Clamp16(wl, 0);
    m.WT = Clamp16(wt, 0);
    m.WR = Clamp16(wr, 0);
    m.WB = Clamp16(wb, 0);
}

void DeriveWidthsFromCounts(TsMaskData& m)
{
    int32_t horizontal = m.Width() / (m.ImageCount * 3);
    int32_t vertical = m.Height() / ((m.MaskType + 1) * 3);
    SetWidths(m, horizontal, vertical, horizontal, vertical);
}

// "^" and "#" entries: given widths, else BorderWidth all round, else derived.
void CompleteWidths(TsMaskData& m)
{
    if (m.WL + m.WT + m.WR + m.WB != 0)
        return;
    if (m.BorderWidth != 0)
        SetWidths(m, m.BorderWidth, m.BorderWidth, m.BorderWidth, m.BorderWidth);
    else
        DeriveWidthsFromCounts(m);
}

void ReadMasterRectangle(TsMaskData& m, std::string_view value)
{
    SetRectangle(m, Number(value, 2, 4), Number(value, 7, 4), Number(value, 12, 4), Number(value, 17, 4));
}

TsImageEntry BorderEntry(TsMaskData m, std::string_view value)
{
    ReadMasterRectangle(m, value);
    SetWidths(m, Number(value, 22, 4), Number(value, 27, 4), Number(value, 32, 4), Number(value, 37, 4));
    SetCounts(m, Number(value, 42, 1), Number(value, 44, 1));
    m.StretchMode = Clamp16(Number(value, 46, 1), 0);
    m.BorderWidth = Clamp16(Number(value, 48, 1), 0);
    m.ImgType = TacImgType::itisaBorder;
    CompleteWidths(m);
    return {std::move(m), {}, false, false};
}

TsImageEntry GlyphEntry(TsMaskData m, std::string_view value)
{
    ReadMasterRectangle(m, value);
    SetCounts(m, Number(value, 22, 1), Number(value, 24, 1));
    m.ImgType = TacImgType::itisaGlyph;
    return {std::move(m), {}, false, false};
}

TsImageEntry TextureEntry(TsMaskData m, std::string_view value)
{
    ReadMasterRectangle(m, value);
    m.StretchMode = Clamp16(Number(value, 22, 2), 0);
    SetCounts(m, 1, value.size() >= 25 ? Number(value, 25, 1) : 0);
    m.ImgType = TacImgType::itisaTexture;
    return {std::move(m), {}, false, false};
}

std::optional<TsImageEntry> FileEntry(TsMaskData m, std::string_view value)
{
    std::vector<std::string_view> words = Words(value, "!");
    if (words.empty() || UpperCaseAscii(words[0]).find(".BMP") == std::string::npos)
        return std::nullopt;
    SetCounts(m, WordNumber(words, 1), WordNumber(words, 2));
    int32_t type = WordNumber(words, 3);
    m.ImgType = type >= 0 && type <= 2 ? TacImgType(type) : TacImgType::itisaBorder;
    m.StretchMode = 4;
    bool derive = words.size() < 5;
    if (!derive)
        SetWidths(m, WordNumber(words, 4), WordNumber(words, 5), WordNumber(words, 6), WordNumber(words, 7));
    return TsImageEntry{std::move(m), std::string(words[0]), false, derive};
}

std::optional<TsImageEntry> WholeFileEntry(TsMaskData m, std::string_view value)
{
    if (UpperCaseAscii(value).find(".BMP") == std::string::npos)
        return std::nullopt;
    m.SectionName = UpperCaseAscii(m.SectionName);
    m.PropertyName = UpperCaseAscii(m.PropertyName);
    SetCounts(m, 3, 1);
    return TsImageEntry{std::move(m), std::string(value), true, false};
}

TsImageEntry OlderRectangleEntry(TsMaskData m, std::string_view value)
{
    std::vector<std::string_view> words = Words(value, " ()");
    std::vector<std::string_view> rect = Words(words.size() > 1 ? words[1] : std::string_view(), " ,");
    std::vector<std::string_view> params = Words(words.size() > 2 ? words[2] : std::string_view(), " ,");
    SetRectangle(m, WordNumber(rect, 0), WordNumber(rect, 1), WordNumber(rect, 2), WordNumber(rect, 3));
    SetCounts(m, WordNumber(params, 0), WordNumber(params, 1));
    m.BorderWidth = params.size() > 2 ? Clamp16(WordNumber(params, 2), 0) : 0;
    m.StretchMode = params.size() > 3 ? Clamp16(WordNumber(params, 3), 0) : 1;
    std::string key = UpperCaseAscii(m.PropertyName);
    if (key == "PATTERN" || key == "HOTPATTERN") {
        m.ImgType = TacImgType::itisaTexture;
        m.StretchMode = 0;
    }
    m.SectionName = UpperCaseAscii(m.SectionName);
    m.PropertyName = key;
    CompleteWidths(m);
    return {std::move(m), {}, false, false};
}

}  // namespace

int MaskWidthLeft(const TsMaskData& m)
{
    if (m.WL > 0)
        return m.WL;
    if (m.BorderWidth > 0)
        return m.BorderWidth;
    return m.Width() / (std::max<int>(m.ImageCount, 1) * 3);
}

int MaskWidthRight(const TsMaskData& m)
{
    if (m.WR > 0)
        return m.WR;
    if (m.BorderWidth > 0)
        return m.BorderWidth;
    return m.Width() / (std::max<int>(m.ImageCount, 1) * 3);
}

int MaskWidthTop(const TsMaskData& m)
{
    if (m.WT > 0)
        return m.WT;
    if (m.BorderWidth > 0)
        return m.BorderWidth;
    return m.Height() / ((std::max<int>(m.MaskType, 0) + 1) * 3);
}

int MaskWidthBottom(const TsMaskData& m)
{
    if (m.WB > 0)
        return m.WB;
    if (m.BorderWidth > 0)
        return m.BorderWidth;
    return m.Height() / ((std::max<int>(m.MaskType, 0) + 1) * 3);
}

Size GetMaskFrameSize(const TsMaskData& m)
{
    if (m.HasOwnImage())
        return {m.Image.Width() / 3, m.Image.Height() / 2};
    return {m.Width() / std::max<int>(m.ImageCount, 1), m.Height() / (std::max<int>(m.MaskType, 0) + 1)};
}

std::optional<TsImageEntry> ParseImageEntry(std::string_view section, std::string_view key, std::string_view value)
{
    if (value.empty() || value == "#")
        return std::nullopt;
    TsMaskData m;
    m.SectionName = std::string(section);
    m.PropertyName = std::string(key);
    switch (value[0]) {
    case '^': return BorderEntry(std::move(m), value);
    case '@': return GlyphEntry(std::move(m), value);
    case '~': return TextureEntry(std::move(m), value);
    case '!': return FileEntry(std::move(m), value);
    default: break;
    }
    if (value.find('#') == std::string_view::npos)
        return WholeFileEntry(std::move(m), value);
    return OlderRectangleEntry(std::move(m), value);
}

void AttachEntryBitmap(TsImageEntry& entry, TsSharedImage bitmap)
{
    TsMaskData& m = entry.Mask;
    SetRectangle(m, 0, 0, bitmap.Width(), bitmap.Height());
    m.Image = std::move(bitmap);
    if (entry.WholeFile)
        SetWidths(m, m.Width() / 9, m.Height() / 6, m.Width() / 9, m.Height() / 6);
    else if (entry.DeriveWidths)
        DeriveWidthsFromCounts(m);
}

void CompleteStoredMask(TsMaskData& m)
{
    SetRectangle(m, m.Left, m.Top, m.Right, m.Bottom);
    SetCounts(m, m.ImageCount, m.MaskType);
    m.BorderWidth = Clamp16(m.BorderWidth, 0);
    m.StretchMode = Clamp16(m.StretchMode, 0);
    SetWidths(m, 0, 0, 0, 0);
    CompleteWidths(m);
}
