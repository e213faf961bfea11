#include "app/ReadableText.h"

#include "gfx/Contrast.h"
#include "skin/engine/sSkinManager.h"
#include "skin/paint/SectionRef.h"

TColor ReadableText(TColor fixed, const char* section, bool hot)
{
    TsSkinManager* manager = DefaultManager();
    if (!manager || !manager->Active() || !manager->Model().IsLoaded())
        return fixed;
    TsSectionRef form = TsSectionRef::Resolve(&manager->Model(), "FORM");
    TsSectionRef own = TsSectionRef::Resolve(&manager->Model(), section);
    if (!form.IsValid() || !own.IsValid())
        return fixed;
    uint32_t surface = uint32_t(form.Data().Color);
    if (ContrastRatio(uint32_t(ColorToRGB(fixed)), surface) >= kReadableContrast)
        return fixed;
    int32_t skinColour = hot ? own.Data().HotFontColor[0] : own.Data().FontColor[0];
    return skinColour >= 0 ? TColor(skinColour) : fixed;
}
