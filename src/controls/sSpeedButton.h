#pragma once
// TsSpeedButton: a flat windowless button whose face comes from the skin (its
// section's border image shows when hot or pressed). It paints the look of
// its state into its cache image, and fades from one look to the next with a
// TsAnimTimer when the pointer enters or leaves it and when it is pressed or
// released. Unskinned it is a plain raised button.

#include <memory>

#include "controls/sFade.h"
#include "skin/engine/sCommonData.h"
#include "skin/paint/DisabledLook.h"
#include "toolkit/GraphicControl.h"

class TsSpeedButton : public TGraphicControl, public TsBindingOwner {
public:
    explicit TsSpeedButton(TComponent* owner);
    ~TsSpeedButton() override;
    const char* ClassName() const override { return "TsSpeedButton"; }

    TsCommonData& SkinData() override { return *skinData_; }
    // The state whose look the button shows: 2 pressed (held down with the
    // pointer over it), 1 hot (pointer over it), 0 normal.
    int StateIndex() const;
    // The fade running now, or nullptr.
    TsAnimTimer* RunningFade() const;
    // The look must be painted anew (the owner's state changed); repaints.
    void InvalidateLook();

    void Loaded() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    // The button's content over its face, in the cache's pixels (GDI flushed).
    virtual void PaintContent(View24 pixels, int state) { (void)pixels, (void)state; }
    // Whether the button shows the disabled look, and which.
    virtual bool ShowsDisabled() const;
    virtual TsDisabledKinds DisabledLook() const { return dkBlended; }

private:
    enum class Change { Enter, Leave, Down, Up };

    bool HandleSkinCommand(TMessage& m);
    void PrepareCache();
    void PaintUnskinned();
    void ChangeLook(Change change);
    void StopFade();

    std::unique_ptr<TsCommonData> skinData_;
    TsAnimTimer* fade_ = nullptr;  // owned by the button, kept idle between fades
};
