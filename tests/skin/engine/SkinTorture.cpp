#include "skin/engine/SkinTorture.h"

#include <algorithm>
#include <random>
#include <string_view>

#include "skin/engine/SkinTestFiles.h"
#include "skin/model/SkinStream.h"
#include "skin/model/SkinTestPackages.h"
#include "skin/model/acSkinPack.h"

namespace {

// The internal skin taken apart: its options text and its image members.
struct SkinParts {
    std::string options;
    std::vector<TestMember> images;

    SkinParts()
    {
        std::vector<uint8_t> embedded = EmbeddedSkinPackage();
        TacSpanStream source(embedded);
        TacSkinConvertor reader;
        reader.ReadPackage(source);
        const std::vector<uint8_t>& text = reader.OptionsData()->Bytes();
        options.assign(text.begin(), text.end());
        for (const TacImageItem& item : reader.Members())
            images.push_back({item.FileName, item.Data.Bytes()});
    }
    std::vector<uint8_t> Package() const
    {
        std::vector<TestMember> members{{"Options.dat", Bytes(options)}};
        members.insert(members.end(), images.begin(), images.end());
        return BuildPackage(members);
    }
};

// A line of the options text: where it starts and ends (before its CR LF).
struct Line {
    std::size_t start, end;
};

std::vector<Line> LinesOf(const std::string& text)
{
    std::vector<Line> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back({at, end});
        at = end + 2;
    }
    return lines;
}

bool IsSectionLine(const std::string& text, const Line& l)
{
    return l.end > l.start && text[l.start] == '[';
}

bool IsKeyLine(const std::string& text, const Line& l)
{
    std::string_view s(text.data() + l.start, l.end - l.start);
    return !s.empty() && s[0] != ';' && s[0] != '[' && s.find('=') != std::string_view::npos;
}

class Torturer {
public:
    explicit Torturer(uint32_t seed) : rng_(seed) {}

    TortureSkin Make()
    {
        int count = 1 + Pick(8);
        for (int i = 0; i < count; ++i) {
            switch (Pick(6)) {
            case 0: DropSection(); break;
            case 1: DropKey(); break;
            case 2: ExtremeNumber(); break;
            case 3: ExtremeImageField(); break;
            case 4: NoColour(); break;
            default: DropImage(); break;
            }
        }
        return {parts_.Package(), changes_};
    }

private:
    int Pick(int n) { return int(rng_() % uint32_t(n)); }

    template <typename Test>
    std::vector<Line> Matching(Test test) const
    {
        std::vector<Line> found;
        for (const Line& l : LinesOf(parts_.options))
            if (test(parts_.options, l))
                found.push_back(l);
        return found;
    }

    std::string Text(const Line& l) const { return parts_.options.substr(l.start, l.end - l.start); }

    void DropSection()
    {
        std::vector<Line> sections = Matching(IsSectionLine);
        if (sections.empty())
            return;
        std::size_t i = std::size_t(Pick(int(sections.size())));
        std::size_t end = i + 1 < sections.size() ? sections[i + 1].start : parts_.options.size();
        changes_.push_back("drop section " + Text(sections[i]));
        parts_.options.erase(sections[i].start, end - sections[i].start);
    }

    void DropKey()
    {
        std::vector<Line> keys = Matching(IsKeyLine);
        if (keys.empty())
            return;
        const Line& l = keys[std::size_t(Pick(int(keys.size())))];
        changes_.push_back("drop key " + Text(l));
        parts_.options.erase(l.start, std::min(l.end + 2, parts_.options.size()) - l.start);
    }

    void SetValue(const Line& l, const std::string& value)
    {
        std::size_t eq = parts_.options.find('=', l.start);
        changes_.push_back(Text(l) + " -> " + value);
        parts_.options.replace(eq + 1, l.end - eq - 1, value);
    }

    void ExtremeNumber()
    {
        std::vector<Line> keys = Matching([](const std::string& t, const Line& l) {
            if (!IsKeyLine(t, l))
                return false;
            char first = t[t.find('=', l.start) + 1];
            return first == '-' || (first >= '0' && first <= '9');
        });
        if (keys.empty())
            return;
        static const char* const values[] = {"0", "-1", "-100000", "100000", "2147483647", "-2147483647", "255"};
        SetValue(keys[std::size_t(Pick(int(keys.size())))], values[Pick(7)]);
    }

    void NoColour()
    {
        std::vector<Line> keys = Matching([](const std::string& t, const Line& l) {
            if (!IsKeyLine(t, l))
                return false;
            std::size_t eq = t.find('=', l.start);
            return t.substr(l.start, eq - l.start).find("COLOR") != std::string::npos;
        });
        if (!keys.empty())
            SetValue(keys[std::size_t(Pick(int(keys.size())))], "-1");
    }

    // An image's rectangle, margins, frame count or mask type set to an
    // extreme: zero and negative sizes, huge margins, far more frames than
    // the image has room for.
    void ExtremeImageField()
    {
        std::vector<Line> images = Matching([](const std::string& t, const Line& l) {
            if (!IsKeyLine(t, l))
                return false;
            char first = t[t.find('=', l.start) + 1];
            return first == '^' || first == '@' || first == '~';
        });
        if (images.empty())
            return;
        const Line& l = images[std::size_t(Pick(int(images.size())))];
        std::string value = Text(l).substr(Text(l).find('=') + 1);
        char mark = value[0];
        std::vector<std::string> fields;
        for (std::size_t at = 1; at <= value.size();) {
            std::size_t next = value.find(mark, at);
            if (next == std::string::npos)
                next = value.size();
            fields.push_back(value.substr(at, next - at));
            at = next + 1;
        }
        static const char* const extremes[] = {"0", "-1", "-5000", "5000", "99", "100000"};
        std::size_t field = std::size_t(Pick(int(fields.size())));
        fields[field] = extremes[Pick(6)];
        std::string changed;
        for (const std::string& f : fields)
            changed += mark + f;
        SetValue(l, changed);
    }

    void DropImage()
    {
        if (parts_.images.empty())
            return;
        std::size_t i = std::size_t(Pick(int(parts_.images.size())));
        changes_.push_back("drop image " + parts_.images[i].name);
        parts_.images.erase(parts_.images.begin() + std::ptrdiff_t(i));
    }

    std::mt19937 rng_;
    SkinParts parts_;
    std::vector<std::string> changes_;
};

}  // namespace

TortureSkin MakeTortureSkin(uint32_t seed)
{
    return Torturer(seed).Make();
}

TortureSkin SkinWithoutControlSections()
{
    SkinParts parts;
    TortureSkin skin;
    for (const char* name : {"CHECKBOX", "BUTTON", "COMBOBOX", "EDIT", "BAR"}) {
        std::string header = std::string("[") + name + "]";
        std::size_t at = parts.options.find(header);
        if (at == std::string::npos)
            continue;
        std::size_t next = parts.options.find("\r\n[", at + 1);
        parts.options.erase(at, next == std::string::npos ? std::string::npos : next + 2 - at);
        skin.changes.push_back("drop section " + header);
    }
    skin.package = parts.Package();
    return skin;
}
