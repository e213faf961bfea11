// Every text colour of the dark internal skin against each surface it stands
// on, by the skin's own values: contrast ratio of relative luminances (sRGB,
// as the accessibility guidelines define them) of at least 4.5 to 1.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Section = std::map<std::string, std::string>;
using Options = std::map<std::string, Section>;

Options ReadOptions(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    Options options;
    std::string line, current;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            current = line.substr(1, line.find(']') - 1);
            options[current];
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq != std::string::npos)
            options[current][line.substr(0, eq)] = line.substr(eq + 1);
    }
    return options;
}

double Linear(int channel)
{
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Colours are 0x00BBGGRR.
double Luminance(long colour)
{
    return 0.2126 * Linear(int(colour & 255)) + 0.7152 * Linear(int((colour >> 8) & 255)) +
           0.0722 * Linear(int((colour >> 16) & 255));
}

double Contrast(long a, long b)
{
    double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool Has(const Section& s, const std::string& key)
{
    auto it = s.find(key);
    return it != s.end() && !it->second.empty() && it->second != "-1" && it->second != "?";
}

// The surfaces under a text of one state ("" or "HOT"): the section's own
// colour and gradient ends where it paints them, else the form's colour
// (what a see-through control lets show).
std::vector<long> Surfaces(const Options& options, const Section& s, const std::string& state)
{
    std::vector<long> surfaces;
    bool seeThrough = s.count(state + "TRANSPARENCY") && s.at(state + "TRANSPARENCY") == "100";
    if (!seeThrough && Has(s, state + "COLOR"))
        surfaces.push_back(std::stol(s.at(state + "COLOR")));
    if (!seeThrough && Has(s, state + "GRADIENTDATA")) {
        std::stringstream data(s.at(state + "GRADIENTDATA"));
        std::string field;
        for (int i = 0; std::getline(data, field, ';'); ++i)
            if (i % 5 < 2)
                surfaces.push_back(std::stol(field));
    }
    if (surfaces.empty())
        surfaces.push_back(std::stol(options.at("FORM").at("COLOR")));
    return surfaces;
}

TEST(DarkSkinContrast, EveryTextColourReadsOnEverySurfaceItStandsOn)
{
    Options options = ReadOptions(PVX_SOURCE_DIR "/assets/skin/OptionsDark.dat");
    ASSERT_TRUE(options.count("FORM"));
    int checked = 0;
    for (const auto& [name, section] : options) {
        for (std::string state : {"", "HOT"}) {
            // A section that names a text colour but no hot one is read with
            // a black hot text (the engine's value for a missing colour).
            long text = 0;
            if (Has(section, state + "FONTCOLOR"))
                text = std::stol(section.at(state + "FONTCOLOR"));
            else if (state.empty() || !Has(section, "FONTCOLOR"))
                continue;
            for (long surface : Surfaces(options, section, state)) {
                ++checked;
                EXPECT_GE(Contrast(text, surface), 4.5)
                    << "[" << name << "] " << state << "FONTCOLOR=" << text << " on " << surface;
            }
        }
    }
    EXPECT_GT(checked, 50);
}

TEST(DarkSkinContrast, TheDarkSkinHasEverySectionAndKeyOfTheLightOne)
{
    Options light = ReadOptions(PVX_SOURCE_DIR "/assets/skin/Options.dat");
    Options dark = ReadOptions(PVX_SOURCE_DIR "/assets/skin/OptionsDark.dat");
    ASSERT_GT(light.size(), 60u);
    for (const auto& [name, section] : light) {
        ASSERT_TRUE(dark.count(name)) << name;
        for (const auto& [key, value] : section) {
            ASSERT_TRUE(dark.at(name).count(key)) << name << "." << key;
            // Shapes and sizes are the light skin's: only colours differ.
            if (key.find("COLOR") == std::string::npos && key.find("GRADIENTDATA") == std::string::npos &&
                key != "TCLEFT") {
                EXPECT_EQ(dark.at(name).at(key), value) << name << "." << key;
            }
        }
    }
    EXPECT_LT(Luminance(std::stol(dark.at("FORM").at("COLOR"))), 0.1);
}

}  // namespace
