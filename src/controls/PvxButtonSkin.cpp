#include "controls/PvxButtonSkin.h"

#include "gfx/Contrast.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMaskShaped.h"
#include "skin/paint/SectionBackground.h"

bool ChangesSkinFace(unsigned command)
{
    return command == scSkinLoaded || command == scSkinRemoved || command == scRepaint;
}

TsSectionRef SkinButtonFace(TColor fontColor)
{
    TsSkinManager* manager = DefaultManager();
    if (!manager || !manager->Active() || !manager->Model().IsLoaded())
        return {};
    TsSectionRef form = TsSectionRef::Resolve(&manager->Model(), "FORM");
    TsSectionRef button = TsSectionRef::Resolve(&manager->Model(), "BUTTON");
    if (!form.IsValid() || !button.IsValid())
        return {};
    uint32_t surface = uint32_t(ResolveSkinColor(form.Data().Color));
    if (ContrastRatio(uint32_t(ColorToRGB(fontColor)), surface) >= kReadableContrast)
        return {};
    return button;
}

void PaintSkinButtonFace(View24 pixels, const TsSectionRef& face, int state, const TsBgSource& behind)
{
    if (pixels.IsEmpty() || !face.IsValid())
        return;
    PaintBgInto(pixels, pixels.Bounds(), behind);
    PaintSectionBackground(TsPaintTarget(pixels, behind), face, pixels.Bounds(), state != 0, kSkinKeyColor);
    if (const TsMaskData* border = face.Border())
        DrawBorderMaskShaped(pixels, nullptr, true, state, *border);
}

TColor SkinButtonTextColor(const TsSectionRef& face, bool lit)
{
    const TsGeneralData& data = face.Data();
    int32_t colour = lit ? data.HotFontColor[0] : data.FontColor[0];
    if (colour < 0)
        colour = data.FontColor[0];
    return TColor(ResolveSkinColor(colour));
}
