#include "skin/paint/SectionRef.h"

#include "skin/model/SkinIni.h"
#include "skin/model/SkinModel.h"

TsSectionRef TsSectionRef::Resolve(const TsSkinModel* model, std::string_view name)
{
    if (!model)
        return {};
    return ResolveIndex(model, model->GetSectionIndex(name));
}

TsSectionRef TsSectionRef::ResolveIndex(const TsSkinModel* model, int index)
{
    TsSectionRef ref;
    ref.Model = model;
    if (!model || !model->IsValidSectionIndex(index))
        return ref;
    ref.Index = index;
    // Images are filed under the upper-case section name.
    std::string name = UpperCaseAscii(model->Sections()[std::size_t(index)].SectionName);
    ref.BorderMask = model->GetMaskIndex(index, name, "BORDERSMASK");
    ref.Texture = model->GetTextureIndex(index, name, "PATTERN");
    ref.HotTexture = model->GetTextureIndex(index, name, "HOTPATTERN");
    static constexpr std::string_view cornerKeys[] = {"IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT"};
    for (std::size_t c = 0; c < ref.CornerImages.size(); ++c)
        ref.CornerImages[c] = model->GetMaskIndex(index, name, cornerKeys[c]);
    ref.SearchedMask = model->GetMaskIndex(index, name, "PATTERN");
    ref.HotSearchedMask = model->GetMaskIndex(index, name, "HOTPATTERN");
    ref.SearchedPicture = model->GetPatternIndex(index, name, "PATTERN");
    ref.HotSearchedPicture = model->GetPatternIndex(index, name, "HOTPATTERN");
    return ref;
}

bool TsSectionRef::IsValid() const
{
    return Model && Model->IsValidSectionIndex(Index);
}

const TsGeneralData& TsSectionRef::Data() const
{
    return Model->Sections()[std::size_t(Index)];
}

const TsMaskData* TsSectionRef::Mask(int maskIndex) const
{
    return Model && Model->IsValidMaskIndex(maskIndex) ? &Model->Masks()[std::size_t(maskIndex)] : nullptr;
}

const TsPatternData* TsSectionRef::Picture(int patternIndex) const
{
    if (!Model || patternIndex < 0 || std::size_t(patternIndex) >= Model->Patterns().size())
        return nullptr;
    return &Model->Patterns()[std::size_t(patternIndex)];
}
