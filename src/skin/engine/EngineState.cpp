#include "skin/engine/EngineState.h"

#include <algorithm>

TsEngineState& SkinEngine()
{
    static TsEngineState state;
    return state;
}

void RegisterSkinnedForm(TCustomForm* form)
{
    auto& forms = SkinEngine().SkinnedForms;
    if (std::find(forms.begin(), forms.end(), form) == forms.end())
        forms.push_back(form);
}

void UnregisterSkinnedForm(TCustomForm* form)
{
    auto& forms = SkinEngine().SkinnedForms;
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}
