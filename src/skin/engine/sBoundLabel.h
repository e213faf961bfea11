#pragma once
// TsBoundLabel: the optional caption label a skinned edit can show beside
// itself. It exists only while Active; the program's edits leave it inactive.

#include <string>

#include "toolkit/GraphicsObjects.h"

enum class TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel {
public:
    bool Active = false;
    TsCaptionLayout Layout = TsCaptionLayout::sclLeft;
    int Indent = 0;
    int MaxWidth = 0;
    std::string Caption;
    TFont Font;
    bool UseSkinColor = true;
};
