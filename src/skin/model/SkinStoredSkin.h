#pragma once
// A skin kept inside the program (an item of a skin manager's InternalSkins):
// either a whole skin package in Data, or, when Data is empty, a skin in
// collection form whose sections, images and patterns are listed one by one.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/PixelView.h"
#include "skin/model/SkinMasks.h"
#include "skin/model/SkinSections.h"

// A section in collection form: the fields of TsGeneralData (GradientArray
// and HotGradientArray are parsed from the texts at load) with the font
// colours as texts of five blank-separated numbers.
struct TsSkinGeneral {
    TsGeneralData General;
    std::string FontColor;
    std::string HotFontColor;
};

struct TsSkinImage {
    std::string SectionName{};
    std::string PropertyName{};
    Image24 Image{};  // own bitmap, or empty for a rectangle of the master bitmap
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    int16_t ImageCount = 0;
    int16_t MaskType = 0;
    int16_t BorderWidth = 0;
    int16_t StretchMode = 0;
    TacImgType ImgType = TacImgType::itisaBorder;
};

struct TsSkinPattern {
    std::string SectionName{};
    std::string PropertyName{};
    Image24 Image{};
};

struct TsStoredSkin {
    std::string Name;
    std::vector<TsSkinGeneral> GeneralData;
    std::vector<TsSkinImage> Images;
    std::vector<TsSkinPattern> Patterns;
    Image24 MasterBitmap;
    int32_t Shadow1Color = 0;
    int32_t Shadow1Offset = 0;
    int32_t Shadow1Blur = -1;
    int32_t Shadow1Transparency = 0;
    int32_t BorderColor = 0xFF00FF;
    double Version = 0;
    std::string Author;
    std::string Description;
    std::vector<uint8_t> Data;  // a whole skin package, or empty
};
