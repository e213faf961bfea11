#include "skin/engine/ControlText.h"

#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/model/SkinModel.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/WinControl.h"

namespace {

bool PaintsOnParent(const TsCommonData& binding)
{
    int kind = binding.ControlKind();
    if (kind == 32 || kind == 33 || kind == 152 || kind == 74)
        return true;
    TControl* owner = binding.OwnerControl();
    return dynamic_cast<TGraphicControl*>(owner) && owner->ParentFont() && owner->Parent();
}

int TransparencyOf(const TsGeneralData& s, bool hot)
{
    return hot ? s.HotTransparency : s.Transparency;
}

// The section an ancestor lends, or the control's own.
TsSectionRef LentSection(const TsCommonData& binding, bool hot)
{
    const TsSectionRef& own = binding.Section();
    const TsSkinModel* model = own.Model;
    for (TWinControl* parent = binding.OwnerControl()->Parent(); parent; parent = parent->Parent()) {
        LRESULT answer = SendSkinCommand(parent, scQuerySectionIndex);
        if (answer <= 0 || !model)
            continue;
        TsSectionRef lent = TsSectionRef::ResolveIndex(model, int(answer - 1));
        if (!lent.IsValid())
            return own;
        if (TransparencyOf(lent.Data(), hot) > 50)
            continue;
        return lent.Data().GiveOwnFont ? lent : own;
    }
    return own;
}

}  // namespace

TsControlTextStyle TextStyleOf(const TsCommonData& binding, bool hot)
{
    TsControlTextStyle style;
    style.ColorSection = binding.IsSkinned() ? binding.Section() : TsSectionRef{};
    style.CustomFont = binding.CustomFont();
    style.UnderlineWhenHot = binding.SkinSection() == "WEBBUTTON";
    if (style.ColorSection.IsValid() && PaintsOnParent(binding) &&
        TransparencyOf(style.ColorSection.Data(), hot) >= 1)
        style.ColorSection = LentSection(binding, hot);
    return style;
}

void DrawControlText(TCanvas& canvas, const std::string& text, bool enabled, bool hot, const TsCommonData& binding,
                     const TFont& font, UINT format, const Rect& rect)
{
    DrawControlText(canvas, text, enabled, hot, TextStyleOf(binding, hot), font, format, rect);
}
