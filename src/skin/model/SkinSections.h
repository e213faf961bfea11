#pragma once
// The section table of a skin: one TsGeneralData per section of Options.dat,
// with the keys a section may inherit from the section its PARENTCLASS names.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TacIniView;

enum class TsControlBevel : uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

// One gradient segment; the fifth number of each group in the text is not kept.
struct TsGradSegment {
    int32_t Color1 = 0;
    int32_t Color2 = 0;
    uint8_t Percent = 0;  // 0..100
    int32_t Mode = 0;     // 0 vertical, 1 horizontal, 2 corner mesh
    friend bool operator==(const TsGradSegment&, const TsGradSegment&) = default;
};
using TsGradArray = std::vector<TsGradSegment>;

// Gradient text: integers separated by ";", five per segment; surplus fields
// are ignored, percents above 100 become 100 (below 0, 0). " " and the empty
// text give no segments, and so does a text with a field in a complete group
// that is not an integer.
TsGradArray ParseGradientData(std::string_view text);

// Font colour slots: [0] the text itself, [1..4] contour left, top, right, bottom.
constexpr int kContourLeft = 1, kContourTop = 2, kContourRight = 3, kContourBottom = 4;
using TsFontColors = std::array<int32_t, 5>;

struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;  // as written in the skin
    int32_t Color = 0xFFFFFF;
    TsControlBevel Bevel = TsControlBevel::cbNone;
    TsFontColors FontColor{0, -1, -1, -1, -1};
    TsFontColors HotFontColor{0, -1, -1, -1, -1};
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    int32_t ShadowBlur = 6;
    int32_t ShadowColor = 0;
    bool ShadowEnabled = false;
    int32_t ShadowOffset = 3;
    int32_t ShadowTransparency = 50;
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    std::string GradientData = " ";
    TsGradArray GradientArray;
    int32_t ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int32_t FadingIntervalIn = 5;
    int32_t FadingIntervalOut = 5;
    int32_t FadingIterations = 5;
    int32_t HotColor = 0xFFFFFF;
    int32_t HotTransparency = 0;
    TsControlBevel HotBevel = TsControlBevel::cbNone;
    int32_t HotGradientPercent = 0;
    std::string HotGradientData;
    TsGradArray HotGradientArray;
    int32_t HotImagePercent = 0;
    int32_t BorderColor1 = 0;
    int32_t BorderColor2 = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// Reads every section of the view, in file order. A key that a section lacks
// (text keys: absent or "?"; integer keys: absent, not an integer, or -1) is
// asked of the section its PARENTCLASS names, up the chain; a chain that
// comes back to a section already asked is cut there, and the default
// applies. COLOR is resolved from system colours to RGB.
TsGeneralDataArray ReadSkinSections(const TacIniView& ini);

// The font colour text of a stored section: five blank-separated numbers
// (main, left, top, right, bottom); any other text gives 0 and no contours.
TsFontColors ParseFontColors(std::string_view text);
