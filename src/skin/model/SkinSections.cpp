#include "skin/model/SkinSections.h"

#include <algorithm>

#include "skin/model/SkinColors.h"
#include "skin/model/SkinIni.h"

namespace {

constexpr std::string_view kTextSentinel = "?";
constexpr int32_t kIntegerSentinel = -1;

// Reads the keys of one section, asking its ancestors for what it lacks.
class InheritedReader {
public:
    InheritedReader(const TacIniView& ini, const TacIniView::Section& section) : ini_(ini), section_(section) {}

    std::string Text(std::string_view key, std::string_view def) const
    {
        std::string upper = UpperCaseAscii(key);
        std::string found;
        bool ok = Walk([&](const TacIniView::Section& s) {
            const std::string* value = s.Find(upper);
            if (!value || *value == kTextSentinel)
                return false;
            found = *value;
            return true;
        });
        return ok ? found : std::string(def);
    }

    int32_t Integer(std::string_view key, int32_t def) const
    {
        std::string upper = UpperCaseAscii(key);
        int32_t found = def;
        bool ok = Walk([&](const TacIniView::Section& s) {
            const std::string* text = s.Find(upper);
            int32_t value = 0;
            if (!text || !TryParseSkinInteger(*text, value) || value == kIntegerSentinel)
                return false;
            found = value;
            return true;
        });
        return ok ? found : def;
    }

    bool Boolean(std::string_view key) const { return UpperCaseAscii(Text(key, "FALSE")) == "TRUE"; }

    TsControlBevel Bevel(std::string_view key) const
    {
        int32_t ordinal = Integer(key, 0);
        return ordinal >= 0 && ordinal <= 4 ? TsControlBevel(ordinal) : TsControlBevel::cbNone;
    }

private:
    // Calls take(section) on this section and then up its PARENTCLASS chain
    // until take accepts one; false when none does.
    template <typename Take>
    bool Walk(Take take) const
    {
        std::vector<const TacIniView::Section*> asked;
        const TacIniView::Section* current = &section_;
        while (current) {
            if (take(*current))
                return true;
            asked.push_back(current);
            const std::string* parent = current->Find("PARENTCLASS");
            if (!parent || *parent == kTextSentinel || SameTextAscii(*parent, current->Name))
                return false;
            current = ini_.FindSection(*parent);
            if (std::find(asked.begin(), asked.end(), current) != asked.end())
                return false;  // a PARENTCLASS loop
        }
        return false;
    }

    const TacIniView& ini_;
    const TacIniView::Section& section_;
};

TsFontColors ReadFontColors(const InheritedReader& read, std::string_view prefix, std::string_view main)
{
    std::string p(prefix);
    return {read.Integer(main, 0), read.Integer(p + "TCLEFT", -1), read.Integer(p + "TCTOP", -1),
            read.Integer(p + "TCRIGHT", -1), read.Integer(p + "TCBOTTOM", -1)};
}

TsGeneralData ReadSection(const TacIniView& ini, const TacIniView::Section& section)
{
    InheritedReader read(ini, section);
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
    for (const TacIniView::Section& section : ini.Sections())
        sections.push_back(ReadSection(ini, section));
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
