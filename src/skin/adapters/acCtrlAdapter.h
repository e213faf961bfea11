#pragma once
// TacCtrlAdapter: skins a form's standard controls from outside. A form's
// skinning component owns one; it walks the form's controls, recognises
// standard controls by their exact class name in the skin manager's
// ThirdParty lists (in list order), and attaches to each a window adapter
// that paints it from the skin. Plain labels it meets become transparent in
// the skin's text colour. It owns the adapters, never the controls' windows.
//
// What the form's skinning component calls (its TsFormSkinner is the
// adapter's provider): AttachAll() when the form becomes skinned and on
// every skin-loaded, repaint and control-changed command, on the showing-
// changed notification, on WM_PARENTNOTIFY for a created child and on a tab
// change; AttachControl(control, "") for a windowed control inserted later;
// Broadcast(message) to pass engine commands on; and it frees the adapter
// (after broadcasting scSkinRemoved) when the skin goes away.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/adapters/acMainWnd.h"

class TControl;
class TWinControl;
class TsCommonData;
class TsFormSkinner;
class TsSkinManager;
class TacCtrlAdapter;

// One adapted control: its binding and the window adapter on its window.
class TacAdapterItem {
public:
    TacAdapterItem(TacCtrlAdapter& adapter, TWinControl* control);
    TacAdapterItem(const TacAdapterItem&) = delete;
    TacAdapterItem& operator=(const TacAdapterItem&) = delete;
    ~TacAdapterItem();  // the window adapter first (detached), then the binding

    // The adapted control; nullptr once its window adapter has let go (the
    // control may be gone then).
    TWinControl* Control() const { return windowAdapter_ && !windowAdapter_->Destroyed() ? control_ : nullptr; }
    TsCommonData& SkinData() const { return *skinData_; }
    TacMainWnd* WindowAdapter() const { return windowAdapter_.get(); }
    TacCtrlAdapter& Adapter() const { return adapter_; }

    // Attaches the window adapter the first list naming the control's class
    // calls for; none for an unknown class, a control without a window or
    // one that takes engine messages itself.
    void HookControl(TWinControl* control);
    void DropWindowAdapter() { windowAdapter_.reset(); }

private:
    TacCtrlAdapter& adapter_;
    TWinControl* control_;
    std::unique_ptr<TsCommonData> skinData_;
    TacWindowAdapterPtr windowAdapter_;
};

class TacCtrlAdapter {
public:
    explicit TacCtrlAdapter(TsFormSkinner& provider);
    TacCtrlAdapter(const TacCtrlAdapter&) = delete;
    TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;
    ~TacCtrlAdapter();

    TsFormSkinner& Provider() const { return provider_; }
    TsSkinManager* SkinManager() const;

    // Adapters for every supported control below container (the form when
    // nullptr); only what is missing is added. Nothing without srThirdParty
    // in the manager's SkinningRules, or while an AttachAll runs.
    void AttachAll(TWinControl* container = nullptr);
    // One control with the given section (empty: the window adapter's own).
    void AttachControl(TControl* control, const std::string& section);
    bool Supports(TControl* control);

    int Count() const { return int(items_.size()); }
    TacAdapterItem& Items(int index) const { return *items_[std::size_t(index)]; }
    // The item of a control, or nullptr.
    TacAdapterItem* ItemOf(const TControl* control) const;
    void DropItem(int index);
    // Drops the items whose window adapter is missing or detached.
    void DropDeadItems();
    // Frees every item, last first.
    void DropAllItems();
    // Sends the message to the window of every live adapted control that has a parent.
    void Broadcast(const TMessage& message);

    // May veto a control (canBeAdded := false) or change its section.
    std::function<void(TControl* control, bool& canBeAdded, std::string& section)> OnSkinItem;

private:
    void AttachBelow(TWinControl* container);
    void Meet(TControl* control, bool ownedPass);
    bool Vetoed(TControl* control, std::string& section);

    TsFormSkinner& provider_;
    std::vector<std::unique_ptr<TacAdapterItem>> items_;
};

// The kind (TacThirdPartyKind) whose list names className, or -1.
int ThirdPartyKindOf(const TsSkinManager& manager, const std::string& className);
