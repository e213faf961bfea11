#pragma once
// A skin section as painters use it: its index with the indexes of its
// images, resolved once (per skin load or per binding), never by name while
// painting. A reference into a model stays valid until that model is loaded
// again or cleared.

#include <array>
#include <string_view>

class TsSkinModel;
struct TsGeneralData;
struct TsMaskData;
struct TsPatternData;

enum TsCorner { kCornerTopLeft, kCornerTopRight, kCornerBottomLeft, kCornerBottomRight };

struct TsSectionRef {
    const TsSkinModel* Model = nullptr;
    int Index = -1;        // section index, -1 when the skin lacks the section
    int BorderMask = -1;   // BORDERSMASK
    int Texture = -1;      // PATTERN among the texture masks
    int HotTexture = -1;   // HOTPATTERN among the texture masks
    // IMGTOPLEFT, IMGTOPRIGHT, IMGBTMLEFT, IMGBTMRIGHT (TsCorner order)
    std::array<int, 4> CornerImages{-1, -1, -1, -1};
    // The texture a section fill searches when it is given none: PATTERN
    // (HOTPATTERN) among all masks, else among the large pictures.
    int SearchedMask = -1, HotSearchedMask = -1;
    int SearchedPicture = -1, HotSearchedPicture = -1;

    // Everything of the section named exactly 'name' in model (letter case
    // counts); an unresolved reference when there is no model or section.
    static TsSectionRef Resolve(const TsSkinModel* model, std::string_view name);
    // A section known by its index (the skin's common indexes).
    static TsSectionRef ResolveIndex(const TsSkinModel* model, int index);

    bool IsValid() const;
    const TsGeneralData& Data() const;                 // precondition: IsValid()
    const TsMaskData* Mask(int maskIndex) const;       // nullptr for an invalid index
    const TsMaskData* Border() const { return Mask(BorderMask); }
    const TsPatternData* Picture(int patternIndex) const;
};
