#include "skin/model/SkinSections.h"

#include <algorithm>
#include <unordered_map>

#include "skin/model/SkinColors.h"
#include "skin/model/SkinIni.h"

namespace {

constexpr std::string_view kTextSentinel = "?";
constexpr int32_t kIntegerSentinel = -1;

// The sections' inherited keys. A key a section lacks is asked of its
// PARENTCLASS chain; each (section, key) pair is resolved once and the answer
// reused by every section below it, so a skin's sections are read in time
// linear in their number however long its chains are.
class InheritedKeys {
public:
    explicit InheritedKeys(const TacIniView& ini) : ini_(ini), parents_(ParentIndexes(ini)) {}

    const std::string* Text(std::size_t section, std::string_view key)
    {
        return Resolved(section, key, false);
    }

    const std::string* Integer(std::size_t section, std::string_view key)
    {
        return Resolved(section, key, true);
    }

private:
    static constexpr int kNoParent = -1;

    static std::vector<int> ParentIndexes(const TacIniView& ini)
    {
        std::vector<int> parents;
        parents.reserve(ini.Sections().size());
        for (std::size_t i = 0; i < ini.Sections().size(); ++i) {
            const std::string* parent = ini.Sections()[i].Find("PARENTCLASS");
            int index = parent && *parent != kTextSentinel ? ini.SectionIndex(*parent) : kNoParent;
            parents.push_back(index == int(i) ? kNoParent : index);
        }
        return parents;
    }

    static bool Accepts(const std::string* value, bool integer)
    {
        if (!value)
            return false;
        if (!integer)
            return *value != kTextSentinel;
        int32_t number = 0;
        return TryParseSkinInteger(*value, number) && number != kIntegerSentinel;
    }

    // The value the section has or inherits for the key (upper case), nullptr
    // for none. Walks up from the section until a section that has the
    // value, one already resolved, the end of the chain or a section walked
    // already (a loop, which has no value), then gives every section walked
    // that answer.
    const std::string* Resolved(std::size_t section, std::string_view key, bool integer)
    {
        auto& tables = integer ? integerTables_ : textTables_;
        auto found = tables.find(key);
        if (found == tables.end())
            found = tables.emplace(std::string(key), Table{std::vector<const std::string*>(parents_.size()),
                                                           std::vector<State>(parents_.size(), kOpen)})
                        .first;
        Table& table = found->second;
        walked_.clear();
        const std::string* answer = nullptr;
        for (int at = int(section); at != kNoParent;) {
            std::size_t i = std::size_t(at);
            if (table.state[i] == kResolved) {
                answer = table.values[i];
                break;
            }
            if (table.state[i] == kWalking)
                break;
            const std::string* own = ini_.Sections()[i].Find(key);
            if (Accepts(own, integer)) {
                answer = own;
                table.values[i] = own;
                table.state[i] = kResolved;
                break;
            }
            table.state[i] = kWalking;
            walked_.push_back(i);
            at = parents_[i];
        }
        for (std::size_t i : walked_) {
            table.values[i] = answer;
            table.state[i] = kResolved;
        }
        return table.values[section];
    }

    enum State : uint8_t { kOpen, kWalking, kResolved };
    struct Table {
        std::vector<const std::string*> values;
        std::vector<State> state;
    };
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    };
    using Tables = std::unordered_map<std::string, Table, KeyHash, std::equal_to<>>;

    const TacIniView& ini_;
    std::vector<int> parents_;
    Tables textTables_, integerTables_;
    std::vector<std::size_t> walked_;
};

// Reads the keys of one section through the resolved inheritance.
class SectionReader {
public:
    SectionReader(InheritedKeys& keys, std::size_t section) : keys_(keys), section_(section) {}

    std::string Text(std::string_view key, std::string_view def) const
    {
        const std::string* value = keys_.Text(section_, key);
        return value ? *value : std::string(def);
    }

    int32_t Integer(std::string_view key, int32_t def) const
    {
        const std::string* text = keys_.Integer(section_, key);
        int32_t value = def;
        return text && TryParseSkinInteger(*text, value) ? value : def;
    }

    bool Boolean(std::string_view key) const { return UpperCaseAscii(Text(key, "FALSE")) == "TRUE"; }

    TsControlBevel Bevel(std::string_view key) const
    {
        int32_t ordinal = Integer(key, 0);
        return ordinal >= 0 && ordinal <= 4 ? TsControlBevel(ordinal) : TsControlBevel::cbNone;
    }

private:
    InheritedKeys& keys_;
    std::size_t section_;
};

TsFontColors ReadFontColors(const SectionReader& read, std::string_view prefix, std::string_view main)
{
    std::string p(prefix);
    return {read.Integer(main, 0), read.Integer(p + "TCLEFT", -1), read.Integer(p + "TCTOP", -1),
            read.Integer(p + "TCRIGHT", -1), read.Integer(p + "TCBOTTOM", -1)};
}

TsGeneralData ReadSection(InheritedKeys& keys, const TacIniView& ini, std::size_t index)
{
    const TacIniView::Section& section = ini.Sections()[index];
    SectionReader read(keys, index);
    TsGeneralData d;
    d.SectionName = section.Name;
    const std::string* parent = section.Find("PARENTCLASS");
    d.ParentClass = parent ? *parent : std::string();
    d.Color = ResolveSkinColor(read.Integer("COLOR", 0xFFFFFF));
    d.Bevel = read.Bevel("BEVEL");
    d.ShadowBlur = read.Integer("SHADOWBLUR", 6);
    d.ShadowOffset = read.Integer("SHADOWOFFSET", 3);
    d.ShadowColor = ini.ReadInteger(section.Name, "SHADOWCOLOR", 0);
    d.ShadowTransparency = read.Integer("SHADOWTRANSPARENCY", 50);
    d.ShadowEnabled = read.Boolean("SHADOWENABLED");
    d.ReservedBoolean = read.Boolean("RESERVEDBOOLEAN");
    d.GiveOwnFont = read.Boolean("GIVEOWNFONT");
    d.FontColor = ReadFontColors(read, "", "FONTCOLOR");
    d.HotFontColor = ReadFontColors(read, "HOT", "HOTFONTCOLOR");
    d.Transparency = read.Integer("TRANSPARENCY", 0);
    d.GradientPercent = read.Integer("GRADIENTPERCENT", 0);
    d.ImagePercent = read.Integer("IMAGEPERCENT", 0);
    d.GradientData = read.Text("GRADIENTDATA", " ");
    d.ShowFocus = read.Boolean("SHOWFOCUS");
    d.FadingEnabled = read.Boolean("FADINGENABLED");
    d.FadingIntervalIn = read.Integer("FADINGINTERVALIN", 5);
    d.FadingIntervalOut = read.Integer("FADINGINTERVALOUT", 5);
    d.FadingIterations = read.Integer("FADINGITERATIONS", 5);
    d.HotColor = read.Integer("HOTCOLOR", 0xFFFFFF);
    d.HotTransparency = read.Integer("HOTTRANSPARENCY", 0);
    d.HotBevel = read.Bevel("HOTBEVEL");
    d.HotGradientPercent = read.Integer("HOTGRADIENTPERCENT", 0);
    d.HotGradientData = read.Text("HOTGRADIENTDATA", "");
    d.HotImagePercent = read.Integer("HOTIMAGEPERCENT", 0);
    d.BorderColor1 = read.Integer("BORDERCOLOR1", 0);
    d.BorderColor2 = read.Integer("BORDERCOLOR2", 0);
    d.GradientArray = ParseGradientData(d.GradientData);
    d.HotGradientArray = ParseGradientData(d.HotGradientData);
    return d;
}

}  // namespace

TsGradArray ParseGradientData(std::string_view text)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ';') {
            fields.push_back(TrimBlanks(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    if (TrimBlanks(text).empty())
        return {};
    TsGradArray segments;
    for (std::size_t group = 0; group + 5 <= fields.size(); group += 5) {
        int32_t v[4] = {};
        for (int i = 0; i < 4; ++i)
            if (!TryParseSkinInteger(fields[group + i], v[i]))
                return {};
        segments.push_back({v[0], v[1], uint8_t(std::clamp(v[2], 0, 100)), v[3]});
    }
    return segments;
}

TsGeneralDataArray ReadSkinSections(const TacIniView& ini)
{
    TsGeneralDataArray sections;
    sections.reserve(ini.Sections().size());
    InheritedKeys keys(ini);
    for (std::size_t i = 0; i < ini.Sections().size(); ++i)
        sections.push_back(ReadSection(keys, ini, i));
    return sections;
}

TsFontColors ParseFontColors(std::string_view text)
{
    TsFontColors colors{0, -1, -1, -1, -1};
    std::vector<int32_t> numbers;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        std::size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (i == start)
            break;
        int32_t value = 0;
        if (!TryParseSkinInteger(text.substr(start, i - start), value))
            return colors;
        numbers.push_back(value);
    }
    if (numbers.size() != 5)
        return colors;
    std::copy(numbers.begin(), numbers.end(), colors.begin());
    return colors;
}
