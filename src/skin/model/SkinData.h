#pragma once
// Skin-wide data of a loaded skin, and the mask and section indexes that the
// painters of check boxes, combo boxes, tabs and scroll bars read directly.

#include <charconv>
#include <cstdint>
#include <string>

struct TsSkinData {
    std::string SkinPath;  // folder that file names are relative to, with a separator; empty for an internal skin
    bool Active = false;   // a complete skin is loaded and announced (kept by the manager)
    double Version = 0;
    std::string Author;
    std::string Description;
    int32_t Shadow1Color = 0;
    int32_t Shadow1Offset = 0;
    int32_t Shadow1Blur = -1;
    int32_t Shadow1Transparency = 0;
    int32_t BorderColor = 0;
    int32_t BISpace = 0;
    int32_t BIVAlign = 0;
};

// A skin's version as its information text shows it: the shortest decimal
// form with "." as separator whatever the locale (5.41 gives "5.41").
inline std::string FormatSkinVersion(double version)
{
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, version);
    return error == std::errc() ? std::string(text, end) : std::string("0");
}

// A section with the masks painters look up in it; -1 for anything missing.
struct TsSectionIndexes {
    int Section = -1;
    int BorderMask = -1;
    int GlyphMask = -1;
    int Pattern = -1;     // texture mask of PATTERN
    int HotPattern = -1;  // texture mask of HOTPATTERN
};

struct TsCommonIndexes {
    int GlobalInfo = -1;
    // Glyphs of GLOBALINFO.
    int BoxChecked = -1, BoxUnchecked = -1, BoxGrayed = -1;
    int RadioChecked = -1, RadioUnchecked = -1, RadioGrayed = -1;
    int SmallChecked = -1, SmallUnchecked = -1, SmallGrayed = -1;
    TsSectionIndexes ComboBtn, ComboBox;
    TsSectionIndexes TabTop, TabBottom, TabLeft, TabRight;
    TsSectionIndexes ScrollBtnTop, ScrollBtnBottom, ScrollBtnLeft, ScrollBtnRight;
    TsSectionIndexes ScrollSliderV, ScrollSliderH;
    TsSectionIndexes ScrollBar1H, ScrollBar1V, ScrollBar2H, ScrollBar2V;
};
