#pragma once
// TsSkinManager: the component that owns the active skin. This first form
// holds its internal skins and loads the one named by SkinName into its skin
// model once the form's data have been read.
// FIXME: finding a skin package or skin folder in the skin directory, the
// default manager, and announcing skin changes to the forms and controls are
// still to come; until then the internal skin named by SkinName is the skin.

#include <string>
#include <vector>

#include "skin/model/SkinModel.h"
#include "skin/model/SkinStoredSkin.h"
#include "toolkit/Component.h"

using TsStoredSkins = std::vector<TsStoredSkin>;

class TsSkinManager : public TComponent {
public:
    explicit TsSkinManager(TComponent* owner);
    const char* ClassName() const override { return "TsSkinManager"; }

    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& name);
    bool Active() const { return active_; }
    void SetActive(bool active);
    TsStoredSkins& InternalSkins() { return internalSkins_; }
    const TsStoredSkins& InternalSkins() const { return internalSkins_; }
    // The loaded skin's VERSION with "." as separator, or "N/A" while no skin is active.
    std::string SkinInfo() const;

    const TsSkinModel& Model() const { return model_; }
    // Why the last load failed, empty after a good one.
    const std::string& LoadError() const { return loadError_; }

    void Loaded() override;

private:
    void LoadSkin();

    std::string skinName_;
    bool active_ = true;
    TsStoredSkins internalSkins_;
    TsSkinModel model_;
    std::string loadError_;
};
