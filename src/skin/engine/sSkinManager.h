#pragma once
// TsSkinManager: the component that owns the active skin. It finds a skin by
// name (a package file or a skin folder in its skin directory, else one of
// its internal skins), has it read into its skin model, and announces every
// change to all forms and, through them, to every skinned control with the
// engine message. The first manager created is the process's default one.

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "skin/engine/SkinPlaces.h"
#include "skin/model/SkinModel.h"
#include "skin/model/SkinStoredSkin.h"
#include "toolkit/Component.h"

using TsStoredSkins = std::vector<TsStoredSkin>;

enum TacButtonEvent : unsigned { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };
using TacButtonEvents = unsigned;

struct TacAnimEffect {
    bool Active = true;
    unsigned Time = 0;  // milliseconds
};

struct TacAnimEffects {
    struct {
        TacButtonEvents Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
    } Buttons;
    TacAnimEffect DialogShow{true, 100};
    TacAnimEffect FormShow{true, 0};
    TacAnimEffect SkinChanging{true, 100};
};

enum TacSkinningRule : unsigned { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TacSkinningRules = unsigned;

// The kinds of standard controls the adapters recognise by class name, in
// the order they are searched.
enum TacThirdPartyKind : int {
    tpEdits, tpButtons, tpBitBtns, tpCheckBoxes, tpComboBoxes, tpGrids, tpGroupBoxes, tpListViews, tpPanels,
    tpTreeViews, tpWWEdits, tpGridEh, tpVirtualTrees, tpPageControl, tpTabControl, tpToolBar, tpStatusBar,
};
constexpr int kThirdPartyKinds = 17;

// The class lists as stored: one text per kind, class names separated by CR LF.
struct ThirdPartyList {
    std::array<std::string, kThirdPartyKinds> Lists;
};
// The standard class names of a kind, as a stored text.
const std::string& DefaultThirdPartyList(int kind);

struct TacMenuSupport {
    std::string IcoLineSkin;  // "ICOLINE" when left empty
    int ExtraLineWidth = 32;
};

class TsSkinManager : public TComponent {
public:
    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;
    const char* ClassName() const override { return "TsSkinManager"; }

    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& name);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& directory) { skinDirectory_ = directory; }
    // SkinDirectory made absolute against the program's folder, without a trailing separator.
    std::string SkinPath() const;
    TsStoredSkins& InternalSkins() { return internalSkins_; }
    const TsStoredSkins& InternalSkins() const { return internalSkins_; }
    bool Active() const { return active_; }
    void SetActive(bool active);
    // The loaded skin's VERSION with "." as separator, or "N/A" while no skin is active.
    std::string SkinInfo() const;
    void SetSkinInfo(const std::string&) {}  // stored in form data; reading is what counts
    std::string Version() const { return "5.65"; }
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int value);
    int Saturation() const { return saturation_; }
    void SetSaturation(int value);
    const std::vector<std::string>& CommonSections() const { return commonSections_; }
    void SetCommonSections(const std::vector<std::string>& lines);
    bool IsDefault() const;
    void SetIsDefault(bool value);
    bool SkinnedPopups = true;
    TacMenuSupport& MenuSupport() { return menuSupport_; }
    TacAnimEffects& AnimEffects() { return animEffects_; }
    const TacAnimEffects& AnimEffects() const { return animEffects_; }
    TacSkinningRules SkinningRules = srStdForms | srStdDialogs | srThirdParty;
    ThirdPartyList& ThirdParty() { return thirdParty_; }
    // The class names of one kind, refreshed from ThirdParty after construction and loading.
    const std::vector<std::string>& ThirdPartyClasses(int kind) const { return classLists_[std::size_t(kind)]; }
    void RefreshThirdPartyLists();

    TNotifyEvent OnBeforeChange;
    TNotifyEvent OnAfterChange;

    // Who owns a place on disk (a skin is taken only from places the user
    // controls, IsPlaceTheUserControls), and what reads a skin's files;
    // replaceable for tests. Empty and null: the system's.
    void SetOwnerQuery(TsOwnerQuery query) { ownerQuery_ = std::move(query); }
    void SetFileReader(const TsFileReader* reader);

    const TsSkinModel& Model() const { return model_; }
    // Why the last load failed, empty after a good one.
    const std::string& LoadError() const { return loadError_; }

    // Names of the internal skins, then (kind 0 or 2) the sub-folders of the
    // skin directory holding Options.dat, then (kind 1 or 2) the package
    // files there, sorted; firstName gets the first name added.
    void ListSkins(std::vector<std::string>& list, int kind, std::string* firstName = nullptr) const;

    // Takes the dark skin when the system asks apps for dark, the light one
    // otherwise, and from then on follows the system's colour mode.
    void FollowSystemColorMode(const std::string& lightSkin, const std::string& darkSkin);
    // A WM_SETTINGCHANGE for area (may be null): on a colour mode change,
    // the matching skin goes live and every window of the thread is repainted.
    void SystemSettingChanged(const char* area);

    void BroadcastSkinLoaded(bool repaint);
    void BroadcastRepaint();
    void BroadcastSkinRemoved();

    void Loaded() override;

private:
    // Loads SkinName and announces it; announced: OnBeforeChange and
    // OnAfterChange run around it (a change made through SkinName).
    void ChangeSkin(bool announced);
    // Loads SkinName from a package file, a skin folder or the internal skins;
    // false when no skin could be loaded (Active is then false).
    bool LoadSkin();
    void LoadFromPackageFile(const std::string& path);
    bool LoadFromFolderOrInternal();
    // The package file of SkinName in the skin directory when it may be
    // read, else empty; the same for the skin folder in the resolved one.
    std::string UsablePackageFile() const;
    std::string UsableSkinFolder() const;
    void ReloadForColorChange();
    TsSkinLoadOptions LoadOptions() const;
    void FreezeSkinnedForms();
    void ThawSkinnedForms();
    void Distribute(unsigned command, unsigned argument = 0);

    std::string skinName_;
    std::string skinDirectory_;
    bool active_ = true;
    TsStoredSkins internalSkins_;
    int hueOffset_ = 0;
    int saturation_ = 0;
    std::vector<std::string> commonSections_;
    TacMenuSupport menuSupport_;
    TacAnimEffects animEffects_;
    ThirdPartyList thirdParty_;
    std::array<std::vector<std::string>, kThirdPartyKinds> classLists_;
    TsSkinModel model_;
    std::string loadError_;
    TsOwnerQuery ownerQuery_;
    const TsFileReader* fileReader_;
    std::vector<HWND> frozenForms_;  // windows whose drawing a skin change turned off
    std::string lightSkin_, darkSkin_;  // skins of the followed colour modes; empty when not followed
};

// The process's default skin manager, or nullptr.
TsSkinManager* DefaultManager();
