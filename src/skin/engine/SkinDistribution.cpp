#include "skin/engine/SkinDistribution.h"

#include <vector>

#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

bool AnswersHandled(TControl* control)
{
    return SendSkinCommand(control, scQueryHandled) == 1;
}

void DeliverToForm(TCustomForm* form, WPARAM wParam, LPARAM lParam)
{
    if (form->HandleAllocated())
        SendMessageA(form->Handle(), SM_SKINCMD, wParam, lParam);
    else
        form->Perform(SM_SKINCMD, wParam, lParam);
    PassToChildren(form, wParam, lParam);
}

}  // namespace

TsFormSkinner* FormSkinnerOf(TCustomForm* form)
{
    if (!form)
        return nullptr;
    return reinterpret_cast<TsFormSkinner*>(SendSkinCommand(form, scQueryProvider));
}

void PassToChildren(TWinControl* parent, WPARAM wParam, LPARAM lParam)
{
    // A child may go away while it handles the message: walk a copy.
    std::vector<TControl*> children = parent->Controls();
    for (TControl* child : children) {
        if (child->IsDestroying())
            break;
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (!windowed || !windowed->HandleAllocated())
            child->Perform(SM_SKINCMD, wParam, lParam);
        else if (AnswersHandled(windowed))
            SendMessageA(windowed->Handle(), SM_SKINCMD, wParam, lParam);
        else
            PassToChildren(windowed, wParam, lParam);
    }
}

void DistributeToAllForms(WPARAM wParam, LPARAM lParam)
{
    if (Application) {
        std::vector<TComponent*> owned = Application->Components();
        for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
            auto* form = dynamic_cast<TCustomForm*>(*it);
            if (!form || form->IsDestroying() || form->IsLoading() || AnswersHandled(form))
                continue;
            DeliverToForm(form, wParam, lParam);
        }
    }
    std::vector<TCustomForm*> skinned = SkinEngine().SkinnedForms;
    for (TCustomForm* form : skinned)
        if (!form->IsDestroying())
            DeliverToForm(form, wParam, lParam);
}
