#include "skin/sSkinManager.h"

#include <new>

#include "core/Exceptions.h"

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner) {}

void TsSkinManager::SetSkinName(const std::string& name)
{
    skinName_ = name;
    if (!IsLoading())
        LoadSkin();
}

void TsSkinManager::SetActive(bool active)
{
    active_ = active;
    if (IsLoading())
        return;
    if (active)
        LoadSkin();
    else
        model_.Clear();
}

void TsSkinManager::Loaded()
{
    TComponent::Loaded();
    LoadSkin();
}

void TsSkinManager::LoadSkin()
{
    model_.Clear();
    loadError_.clear();
    if (!active_)
        return;
    for (const TsStoredSkin& skin : internalSkins_) {
        if (skin.Name != skinName_)
            continue;
        // A skin that cannot be read, for whatever reason, leaves the program
        // unskinned, never stopped: a skin from disk is untrusted input.
        try {
            model_.LoadFromStoredSkin(skin);
        } catch (const std::bad_alloc&) {
            loadError_ = EOutOfMemory().Message();
            model_.Clear();
        } catch (const std::exception& e) {
            loadError_ = e.what();
            model_.Clear();
        }
        return;
    }
    loadError_ = "No skin named \"" + skinName_ + "\"";
}

std::string TsSkinManager::SkinInfo() const
{
    if (!model_.IsLoaded())
        return "N/A";
    return FormatSkinVersion(model_.SkinData().Version);
}
