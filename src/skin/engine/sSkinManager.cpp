#include "skin/engine/sSkinManager.h"

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
        try {
            model_.LoadFromStoredSkin(skin);
        } catch (const Exception& e) {
            // A skin that cannot be read leaves the program unskinned, never stopped.
            loadError_ = e.Message();
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
