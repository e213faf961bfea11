#include "skin/adapters/acCtrlAdapter.h"

#include <algorithm>
#include <exception>

#include "skin/adapters/acAdapterState.h"
#include "skin/adapters/acEditWnd.h"
#include "skin/adapters/acPanelWnd.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinDistribution.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/ControlKinds.h"
#include "toolkit/Form.h"
#include "toolkit/Labels.h"

namespace {

constexpr int kSkipMark = -98;  // Tag (or TabOrder) of a control the adapters leave alone

bool AnswersHandled(TControl* control)
{
    return SendSkinCommand(control, scQueryHandled) == 1;
}

bool HasWindowAndParent(TControl* control)
{
    auto* windowed = dynamic_cast<TWinControl*>(control);
    return windowed && windowed->HandleAllocated() && windowed->Parent();
}

// A plain label: transparent, in the skin's text colour.
void MakePlainLabel(TCustomLabel* label, const TsSkinManager& manager)
{
    label->SetTransparent(true);
    label->Font().SetColor(TColor(manager.Model().GetGlobalFontColor()));
}

}  // namespace

int ThirdPartyKindOf(const TsSkinManager& manager, const std::string& className)
{
    for (int kind = 0; kind < kThirdPartyKinds; ++kind) {
        const std::vector<std::string>& names = manager.ThirdPartyClasses(kind);
        if (std::find(names.begin(), names.end(), className) != names.end())
            return kind;
    }
    return -1;
}

TacAdapterItem::TacAdapterItem(TacCtrlAdapter& adapter, TWinControl* control)
    : adapter_(adapter), control_(control),
      skinData_(std::make_unique<TsCommonData>(control, true, kKindAdapterItem))
{
    if (TsSkinManager* manager = adapter.SkinManager())
        skinData_->SetSkinManager(manager);
}

TacAdapterItem::~TacAdapterItem() = default;

void TacAdapterItem::HookControl(TWinControl* control)
{
    if (!control || control->TabOrder() == kSkipMark || !control->HandleAllocated())
        return;
    if (control->Parent() && AnswersHandled(control))
        return;
    control_ = control;
    TsSkinManager* manager = adapter_.SkinManager();
    if (!control->Parent() || !manager)
        return;
    HWND window = control->Handle();
    switch (ThirdPartyKindOf(*manager, control->ClassName())) {
    case tpEdits:
        windowAdapter_ = MakeWindowAdapter<TacEditWnd>(true, window, "EDIT", manager, skinData_.get());
        break;
    case tpPanels:
        skinData_->SetSkinSection("PANEL");
        windowAdapter_ = MakeWindowAdapter<TacPanelWnd>(true, window, manager, skinData_.get());
        break;
    default:
        // The other kinds have no adapter here: their controls stay as they are.
        break;
    }
}

TacCtrlAdapter::TacCtrlAdapter(TsFormSkinner& provider) : provider_(provider) {}

TacCtrlAdapter::~TacCtrlAdapter()
{
    DropAllItems();
}

TsSkinManager* TacCtrlAdapter::SkinManager() const
{
    TsSkinManager* manager = provider_.SkinManager();
    return manager ? manager : DefaultManager();
}

TacAdapterItem* TacCtrlAdapter::ItemOf(const TControl* control) const
{
    for (const auto& item : items_)
        if (item->Control() == control)
            return item.get();
    return nullptr;
}

bool TacCtrlAdapter::Vetoed(TControl* control, std::string& section)
{
    bool canBeAdded = true;
    if (OnSkinItem)
        OnSkinItem(control, canBeAdded, section);
    return !canBeAdded;
}

bool TacCtrlAdapter::Supports(TControl* control)
{
    if (!control || control->Tag == kSkipMark)
        return false;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed && (!windowed->HandleAllocated() || AnswersHandled(windowed)))
        return false;
    if (dynamic_cast<TCustomLabel*>(control)) {
        std::string section;
        return !Vetoed(control, section);
    }
    TsSkinManager* manager = SkinManager();
    return windowed && manager && ThirdPartyKindOf(*manager, control->ClassName()) >= 0;
}

void TacCtrlAdapter::AttachControl(TControl* control, const std::string& section)
{
    if (!control || control->Tag == kSkipMark || !control->Parent() || AnswersHandled(control))
        return;
    std::string chosen = section;
    if (Vetoed(control, chosen))
        return;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed)
        return;  // only windowed controls get a window adapter
    TacAdapterItem* item = ItemOf(control);
    if (item) {
        item->SkinData().SetSkinSection(chosen);
        if (item->WindowAdapter() && item->WindowAdapter()->Destroyed()) {
            item->DropWindowAdapter();
            item->HookControl(windowed);
        }
        return;
    }
    items_.push_back(std::make_unique<TacAdapterItem>(*this, windowed));
    item = items_.back().get();
    item->SkinData().SetSkinSection(chosen);
    item->HookControl(windowed);
    if (!item->WindowAdapter()) {
        auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& i) { return i.get() == item; });
        items_.erase(it);
    }
}

void TacCtrlAdapter::Meet(TControl* control, bool ownedPass)
{
    if (Supports(control)) {
        TsSkinManager* manager = SkinManager();
        auto* label = ownedPass ? dynamic_cast<TCustomLabel*>(control) : dynamic_cast<TLabel*>(control);
        if (dynamic_cast<TWinControl*>(control))
            AttachControl(control, "EDIT");
        else if (label && manager && !AnswersHandled(label))  // skin-aware labels keep their own look
            MakePlainLabel(label, *manager);
    }
    if (HasWindowAndParent(control))
        AttachBelow(static_cast<TWinControl*>(control));
}

void TacCtrlAdapter::AttachBelow(TWinControl* container)
{
    std::vector<TComponent*> owned = container->Components();
    for (TComponent* component : owned)
        if (auto* control = dynamic_cast<TControl*>(component))
            Meet(control, true);
    std::vector<TControl*> children = container->Controls();
    for (TControl* control : children)
        Meet(control, false);
}

void TacCtrlAdapter::AttachAll(TWinControl* container)
{
    TsSkinManager* manager = SkinManager();
    if (!manager || !(manager->SkinningRules & srThirdParty) || AdapterState().AttachingAll)
        return;
    TsEngineFlag attaching(AdapterState().AttachingAll);
    DropDeadItems();
    if (!container)
        container = provider_.SkinnedForm();
    if (container)
        AttachBelow(container);
}

void TacCtrlAdapter::DropItem(int index)
{
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

void TacCtrlAdapter::DropDeadItems()
{
    std::erase_if(items_, [](const auto& item) {
        return !item->WindowAdapter() || item->WindowAdapter()->Destroyed();
    });
}

void TacCtrlAdapter::DropAllItems()
{
    if (AdapterState().DroppingAll)
        return;
    TsEngineFlag dropping(AdapterState().DroppingAll);
    while (!items_.empty())
        items_.pop_back();
}

void TacCtrlAdapter::Broadcast(const TMessage& message)
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        TacMainWnd* window = items_[i]->WindowAdapter();
        TWinControl* control = items_[i]->Control();
        if (!window || window->Destroyed() || !control || !control->Parent())
            continue;
        try {
            SendMessageA(window->Window(), message.Msg, message.WParam, message.LParam);
        } catch (...) {
            // A control's failure stays with the control.
        }
    }
}
