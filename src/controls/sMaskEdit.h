#pragma once
// TsMaskEdit: the skinned form of the toolkit's masked one-line edit (no mask
// is used, so its text is plain). Its frame is painted from the skin's EDIT
// border image, its client takes the section's colour and font colour, and it
// paints the windowless controls it holds (the combo edit's button) over its
// text without letting the text run under them.

#include <memory>

#include "skin/engine/sBoundLabel.h"
#include "skin/engine/sCommonData.h"
#include "skin/paint/DisabledLook.h"
#include "toolkit/Edits.h"

class TsEditLabel;

class TsMaskEdit : public TMaskEdit {
public:
    explicit TsMaskEdit(TComponent* owner);
    ~TsMaskEdit() override;
    const char* ClassName() const override { return "TsMaskEdit"; }

    TsCommonData& SkinData() { return *skinData_; }
    TsBoundLabel& BoundLabel() { return boundLabel_; }
    // Creates the caption label beside the edit (BoundLabel.Active) or frees it.
    void SetBoundLabelActive(bool active);
    TsEditLabel* EditLabel() const { return editLabel_; }
    // The bound label is going away: the edit forgets it.
    void BoundLabelDestroyed(TsEditLabel* label);
    TsDisabledKinds DisabledKind() const { return disabledKind_; }
    void SetDisabledKind(TsDisabledKinds value) { disabledKind_ = value; }

    void Loaded() override;
    void WndProc(TMessage& message) override;

protected:
    // A level of the class chain names its own kind.
    TsMaskEdit(TComponent* owner, int controlKind);
    // Commands for the edit itself before the binding's; false when not taken.
    virtual bool HandleOwnSkinCommand(TMessage& message);
    // The frame and the windowless children show the new state.
    virtual void LookChanged();
    void RedrawFrame();

private:
    void PaintFrame();
    void PaintClient(TMessage& message);
    void EraseClient(TMessage& message);
    void ExcludeWindowlessChildren(HDC dc) const;
    bool HasWindowlessChildren() const;
    void PlaceBoundLabel();

    std::unique_ptr<TsCommonData> skinData_;
    TsBoundLabel boundLabel_;
    TsEditLabel* editLabel_ = nullptr;
    TsDisabledKinds disabledKind_ = dkBlended;
};
