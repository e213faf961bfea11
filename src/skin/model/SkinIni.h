#pragma once
// The INI view of a skin's Options.dat (single-byte text).
//
// Reading rules: every line is trimmed (characters up to the blank); empty
// lines and lines starting with ";" are skipped; "[name]" opens a section
// named by the trimmed text between the brackets; "key=value" lines belong to
// the current section as trimmed key and trimmed value; lines before the
// first section and lines without "=" hold nothing. Section and key look-ups
// ignore letter case (ASCII); when a section name comes again, the first
// section wins and the later one is dropped whole; within a section the first
// line of a key wins. A key present with an empty value reads as empty text,
// not as the default.
//
// The text comes from skins on disk, so building the view and finding a
// section cost the same whatever the number of sections: names are hashed,
// never compared against every earlier one.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TacIniView {
public:
    struct Entry {
        std::string Key;
        std::string Value;
        std::string KeyUpper;  // for look-ups
    };
    struct Section {
        std::string Name;  // as written
        std::string NameUpper;
        std::vector<Entry> Entries;  // in file order

        const std::string* Find(std::string_view keyUpper) const;
    };

    TacIniView() = default;
    explicit TacIniView(std::string_view text);

    const std::vector<Section>& Sections() const { return sections_; }
    const Section* FindSection(std::string_view name) const;
    // The position of a section in Sections(), -1 when there is none.
    int SectionIndex(std::string_view name) const;
    // The value of a key, nullptr when the section or the key is missing.
    const std::string* FindValue(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal, or hexadecimal after "$" or "0x"; anything else gives def.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
    // "." is the decimal separator whatever the locale; anything else gives def.
    double ReadFloat(std::string_view section, std::string_view key, double def) const;
    // True when the upper-cased value is "TRUE"; def when the key is missing.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // Gives this view the keys of other: its values replace those of keys this
    // view has, its new keys are appended to their section, its new sections
    // are appended to the view.
    void MergeFrom(const TacIniView& other);

private:
    Section* FindSectionMutable(const std::string& nameUpper);
    Section& AppendSection(Section section);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // by NameUpper
};

// Text helpers shared by the skin readers.
std::string UpperCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);
std::string_view TrimBlanks(std::string_view text);
// Integer text: optional sign, then decimal digits or "$"/"0x" and up to
// eight hexadecimal digits (taken as a 32-bit pattern). False when it is not.
bool TryParseSkinInteger(std::string_view text, int32_t& value);
// The same, raising EConvertError ("'<text>' is not a valid integer value").
int32_t SkinStrToInt(std::string_view text);
bool TryParseSkinFloat(std::string_view text, double& value);
