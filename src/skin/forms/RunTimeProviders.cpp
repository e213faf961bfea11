#include "skin/forms/RunTimeProviders.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "skin/adapters/acAdapterState.h"
#include "skin/dialogs/acDialogWnd.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinHook.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/Form.h"

namespace {

// A form the skin must leave alone (a cover window).
constexpr int kUnskinnedFormTag = -98;

using ProviderList = std::vector<std::unique_ptr<TacProvider>>;

ProviderList& Providers()
{
    static ProviderList providers;
    return providers;
}

// Providers whose window went while one of their adapters was handling a
// message: freed once no adapter is on the stack any more.
ProviderList& Released()
{
    static ProviderList released;
    return released;
}

void FreeReleased()
{
    if (AdapterState().HandlerDepth == 0)
        Released().clear();
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

bool ClassIs(HWND window, const char* wanted)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return _stricmp(name, wanted) == 0;
}

bool HasToolbar(HWND parent)
{
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassIs(child, "ToolbarWindow32") || HasToolbar(child))
            return true;
    return false;
}

bool SkinnedDialogVisible()
{
    const auto& all = Providers();
    return std::any_of(all.begin(), all.end(),
                       [](const auto& p) { return p->DialogAdapter() && IsWindowVisible(p->Window()); });
}

void ActivatingDialog(HWND window, const TsSkinManager& manager)
{
    if (!(manager.SkinningRules & srStdDialogs))
        return;
    // A dialog over a skinned dialog keeps the window system's look, unless it is a browser with a toolbar.
    if (SkinnedDialogVisible() && !HasToolbar(window))
        return;
    auto provider = std::make_unique<TacProvider>(window);
    if (provider->SetUpDialog())
        Providers().push_back(std::move(provider));
}

void Activating(HWND window)
{
    FreeReleased();
    TsSkinManager* manager = DefaultManager();
    if (!manager || SendSkinCommand(window, scQueryHandled) == 1 || HasRunTimeProvider(window) ||
        IgnoredClass(window))
        return;
    auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(window));
    if (!form) {
        ActivatingDialog(window, *manager);
        return;
    }
    bool messageForm = std::strcmp(form->ClassName(), "TMessageForm") == 0;
    if (messageForm ? !(manager->SkinningRules & srStdDialogs)
                    : (!(manager->SkinningRules & srStdForms) || form->Tag == kUnskinnedFormTag))
        return;
    Providers().push_back(std::make_unique<TacProvider>(form));
}

// Every provider whose window goes, and every one whose dialog has gone
// already, is freed: modal dialogs come and go all the time.
void Destroying(HWND window)
{
    auto& all = Providers();
    auto gone = std::stable_partition(all.begin(), all.end(),
                                      [&](const auto& p) { return p->Window() != window && !p->DialogGone(); });
    std::move(gone, all.end(), std::back_inserter(Released()));
    all.erase(gone, all.end());
    FreeReleased();
}

// The skin went: every dialog lets go of its adapters now (an open one gets
// its system menu, shape and colours back); the providers are freed once no
// adapter is handling a message; a form's run-time skinning component goes
// with them, and the form is plain until the hook meets it again.
void HookRemoved()
{
    auto& all = Providers();
    for (auto& provider : all) {
        provider->ReleaseDialog();
        provider->ReleaseFormProvider();
    }
    std::move(all.begin(), all.end(), std::back_inserter(Released()));
    all.clear();
    FreeReleased();
}

BOOL CALLBACK RepaintAdaptedChild(HWND child, LPARAM manager)
{
    if (TacMainWnd::FromWindow(child)) {
        SendSkinCommand(child, scSkinLoaded, 0, manager);
        SendSkinCommand(child, scRepaint, 0, manager);
    }
    return TRUE;
}

// Each open dialog, then its adapted children, resolve the new skin's
// sections and paint from it.
void SkinChanged()
{
    auto manager = reinterpret_cast<LPARAM>(DefaultManager());
    for (const auto& provider : Providers()) {
        if (!provider->DialogAdapter() || provider->DialogGone())
            continue;
        HWND dialog = provider->Window();
        SendSkinCommand(dialog, scSkinLoaded, 0, manager);
        SendSkinCommand(dialog, scRepaint, 0, manager);
        EnumChildWindows(dialog, RepaintAdaptedChild, manager);
    }
}

}  // namespace

TacProvider::TacProvider(TCustomForm* form)
    : window_(form->Handle()), form_(form), provider_(new TsSkinProvider(form))
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

TacProvider::TacProvider(HWND dialog) : window_(dialog) {}

TacProvider::~TacProvider()
{
    if (freeFormProvider_ && provider_ && TWinControl::FromHandle(window_) == form_ && !form_->IsDestroying())
        delete provider_;
}

void TacProvider::ReleaseDialog()
{
    childAdapters_.Clear();
    if (dialogAdapter_)
        dialogAdapter_->Detach();
}

TacDialogWnd* TacProvider::DialogAdapter() const
{
    return static_cast<TacDialogWnd*>(dialogAdapter_.get());
}

bool TacProvider::DialogGone() const
{
    return dialogAdapter_ && dialogAdapter_->Destroyed();
}

bool TacProvider::SetUpDialog()
{
    TsSkinManager* manager = DefaultManager();
    if (!manager || !manager->Active() || dialogAdapter_ || provider_)
        return false;
    if (!ClassIs(window_, "#32770") && !ClassIs(window_, "TMessageForm"))
        return false;
    if (RefusesDialogSkin(window_))
        return false;
    dialogAdapter_ = MakeWindowAdapter<TacDialogWnd>(true, window_, manager);
    if (!dialogAdapter_)
        return false;  // adapted already
    TacDialogWnd* dialog = DialogAdapter();
    dialog->Provider = this;
    dialog->AttachChildren = [this] { AttachChildren(); };
    AttachChildren();
    dialog->SetUp();
    SendSkinCommand(window_, scSkinLoaded, 0, reinterpret_cast<LPARAM>(manager));
    if (IsWindowVisible(window_))
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

void TacProvider::AttachChildren()
{
    if (TsSkinManager* manager = DefaultManager(); manager && dialogAdapter_ && !dialogAdapter_->Destroyed())
        childAdapters_.AttachAll(window_, manager);
}

void InstallRunTimeProviders()
{
    TsSkinHookHandlers& handlers = SkinHookHandlers();
    handlers.Activate = Activating;
    handlers.Destroy = Destroying;
    handlers.ChildCreated = TacDialogWnd::ChildCreated;
    handlers.Removed = HookRemoved;
    handlers.SkinChanged = SkinChanged;
}

int RunTimeProviderCount()
{
    FreeReleased();
    return int(Providers().size());
}
