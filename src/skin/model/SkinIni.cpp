#include "skin/model/SkinIni.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <unordered_set>

#include "core/Exceptions.h"

namespace {

char UpperChar(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// Splits at CR LF, LF or a lone CR.
template <typename Fn>
void ForEachLine(std::string_view text, Fn fn)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        fn(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        fn(text.substr(start));
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = UpperChar(c);
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

}  // namespace

std::string UpperCaseAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = UpperChar(c);
    return upper;
}

bool SameTextAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperChar(a[i]) != UpperChar(b[i]))
            return false;
    return true;
}

std::string_view TrimBlanks(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && uint8_t(text[begin]) <= ' ')
        ++begin;
    while (end > begin && uint8_t(text[end - 1]) <= ' ')
        --end;
    return text.substr(begin, end - begin);
}

bool TryParseSkinInteger(std::string_view text, int32_t& value)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int64_t magnitude = 0;
    if (!text.empty() && (text[0] == '$' || (text.size() > 1 && text[0] == '0' && UpperChar(text[1]) == 'X'))) {
        text.remove_prefix(text[0] == '$' ? 1 : 2);
        if (text.empty() || text.size() > 8)
            return false;
        for (char c : text) {
            int d = HexDigit(c);
            if (d < 0)
                return false;
            magnitude = magnitude * 16 + d;
        }
        uint32_t bits = uint32_t(magnitude);
        value = int32_t(negative ? 0u - bits : bits);
        return true;
    }
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t(INT32_MAX) + 1)
            return false;
    }
    if (negative)
        magnitude = -magnitude;
    if (magnitude > INT32_MAX)
        return false;
    value = int32_t(magnitude);
    return true;
}

int32_t SkinStrToInt(std::string_view text)
{
    int32_t value = 0;
    if (!TryParseSkinInteger(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

bool TryParseSkinFloat(std::string_view text, double& value)
{
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    if (text.empty() || text[0] == '+')
        return false;
    double parsed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

const std::string* TacIniView::Section::Find(std::string_view keyUpper) const
{
    for (const Entry& entry : Entries)
        if (entry.KeyUpper == keyUpper)
            return &entry.Value;
    return nullptr;
}

TacIniView::TacIniView(std::string_view text)
{
    Section* current = nullptr;
    std::unordered_set<std::string> currentKeys;  // the first line of a key wins
    ForEachLine(text, [&](std::string_view raw) {
        std::string_view line = TrimBlanks(raw);
        if (line.empty() || line[0] == ';')
            return;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
            std::string upper = UpperCaseAscii(name);
            currentKeys.clear();
            // The first section of a name wins; a later one is dropped whole.
            current = FindSectionMutable(upper) ? nullptr : &AppendSection({std::string(name), std::move(upper), {}});
            return;
        }
        std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            return;
        std::string_view key = TrimBlanks(line.substr(0, equals));
        std::string upper = UpperCaseAscii(key);
        if (!currentKeys.insert(upper).second)
            return;
        current->Entries.push_back({std::string(key), std::string(TrimBlanks(line.substr(equals + 1))), std::move(upper)});
    });
}

TacIniView::Section& TacIniView::AppendSection(Section section)
{
    sectionIndex_.emplace(section.NameUpper, sections_.size());
    sections_.push_back(std::move(section));
    return sections_.back();
}

TacIniView::Section* TacIniView::FindSectionMutable(const std::string& nameUpper)
{
    auto it = sectionIndex_.find(nameUpper);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

int TacIniView::SectionIndex(std::string_view name) const
{
    auto it = sectionIndex_.find(UpperCaseAscii(name));
    return it == sectionIndex_.end() ? -1 : int(it->second);
}

const TacIniView::Section* TacIniView::FindSection(std::string_view name) const
{
    int index = SectionIndex(name);
    return index < 0 ? nullptr : &sections_[std::size_t(index)];
}

const std::string* TacIniView::FindValue(std::string_view section, std::string_view key) const
{
    const Section* found = FindSection(section);
    return found ? found->Find(UpperCaseAscii(key)) : nullptr;
}

std::string TacIniView::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::string* value = FindValue(section, key);
    return value ? *value : std::string(def);
}

int32_t TacIniView::ReadInteger(std::string_view section, std::string_view key, int32_t def) const
{
    const std::string* text = FindValue(section, key);
    int32_t value = 0;
    return text && TryParseSkinInteger(*text, value) ? value : def;
}

double TacIniView::ReadFloat(std::string_view section, std::string_view key, double def) const
{
    const std::string* text = FindValue(section, key);
    double value = 0;
    return text && TryParseSkinFloat(*text, value) ? value : def;
}

bool TacIniView::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    const std::string* text = FindValue(section, key);
    return text ? UpperCaseAscii(*text) == "TRUE" : def;
}

void TacIniView::MergeFrom(const TacIniView& other)
{
    for (const Section& theirs : other.sections_) {
        Section* ours = FindSectionMutable(theirs.NameUpper);
        if (!ours) {
            AppendSection(theirs);
            continue;
        }
        std::unordered_map<std::string, std::size_t> keys;
        for (std::size_t i = 0; i < ours->Entries.size(); ++i)
            keys.emplace(ours->Entries[i].KeyUpper, i);
        for (const Entry& entry : theirs.Entries) {
            auto [it, added] = keys.emplace(entry.KeyUpper, ours->Entries.size());
            if (added)
                ours->Entries.push_back(entry);
            else
                ours->Entries[it->second].Value = entry.Value;
        }
    }
}
