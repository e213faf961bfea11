#include "skin/forms/RunTimeProviders.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinHook.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/Form.h"

namespace {

// A form the skin must leave alone (a cover window).
constexpr int kUnskinnedFormTag = -98;

std::vector<std::unique_ptr<TacProvider>>& Providers()
{
    static std::vector<std::unique_ptr<TacProvider>> providers;
    return providers;
}

bool HasRunTimeProvider(HWND window)
{
    const auto& all = Providers();
    return std::any_of(all.begin(), all.end(), [&](const auto& p) { return p->Window() == window; });
}

bool IgnoredClass(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "TApplication") == 0 || std::strcmp(name, "TQRStandardPreview") == 0;
}

void Activating(HWND window)
{
    TsSkinManager* manager = DefaultManager();
    if (!manager || SendSkinCommand(window, scQueryHandled) == 1 || HasRunTimeProvider(window) ||
        IgnoredClass(window))
        return;
    auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(window));
    if (!form)
        return;  // dialog windows of the system: dialog skinning
    bool messageForm = std::strcmp(form->ClassName(), "TMessageForm") == 0;
    if (messageForm ? !(manager->SkinningRules & srStdDialogs)
                    : (!(manager->SkinningRules & srStdForms) || form->Tag == kUnskinnedFormTag))
        return;
    Providers().push_back(std::make_unique<TacProvider>(form));
}

void Destroying(HWND window)
{
    auto& all = Providers();
    all.erase(std::remove_if(all.begin(), all.end(), [&](const auto& p) { return p->Window() == window; }), all.end());
}

}  // namespace

TacProvider::TacProvider(TCustomForm* form) : window_(form->Handle()), provider_(new TsSkinProvider(form))
{
    provider_->MakeSkinMenu = false;
    provider_->Loaded();
    if (TsSkinManager* manager = DefaultManager()) {
        const TacAnimEffect& effect = form->BorderStyle() == TFormBorderStyle::bsDialog
                                          ? manager->AnimEffects().DialogShow
                                          : manager->AnimEffects().FormShow;
        if (effect.Active && IsWindowVisible(window_))
            provider_->FadeInAtFirstPaint(effect.Time);
    }
}

void InstallRunTimeProviders()
{
    TsSkinHookHandlers& handlers = SkinHookHandlers();
    handlers.Activate = Activating;
    handlers.Destroy = Destroying;
}

int RunTimeProviderCount()
{
    return int(Providers().size());
}
