#pragma once
// TsBitBtn: a push button whose whole face comes from the skin. It paints the
// look of its state into its cache image, shapes its window by the skin's
// border image, and fades from one look to the next when the pointer enters
// or leaves it and when it is pressed or released. Unskinned it is the plain
// bitmap button.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/sBitBtnLayout.h"
#include "controls/sFade.h"
#include "skin/engine/sCommonData.h"
#include "skin/paint/DisabledLook.h"
#include "toolkit/Buttons.h"
#include "toolkit/Labels.h"

enum TsAnimatEvent : unsigned { aeMouseEnter = 1, aeMouseLeave = 2, aeMouseDown = 4, aeMouseUp = 8, aeGlobalDef = 16 };
using TsAnimatEvents = unsigned;
enum TsDisabledGlyphKind : unsigned { dgBlended = 1, dgGrayed = 2 };
using TsDisabledGlyphKinds = unsigned;

// The state index: the frame of the skin's state images.
constexpr int kStateNormal = 0, kStateHot = 1, kStatePressed = 2;

class TsBitBtn : public TBitBtn {
public:
    explicit TsBitBtn(TComponent* owner);
    ~TsBitBtn() override;
    const char* ClassName() const override { return "TsBitBtn"; }

    TsCommonData& SkinData() { return *skinData_; }
    TsAnimatEvents AnimatEvents = aeGlobalDef;
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { alignment_ = value; InvalidateLook(); }
    TAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TAlignment value) { textAlignment_ = value; InvalidateLook(); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { wordWrap_ = value; InvalidateLook(); }
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value) { showCaption_ = value; InvalidateLook(); }
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool value) { showFocus_ = value; InvalidateLook(); }
    int FocusMargin = 1;
    bool DrawOverBorder() const { return drawOverBorder_; }
    void SetDrawOverBorder(bool value) { drawOverBorder_ = value; InvalidateLook(); }
    int Blend() const { return blend_; }
    void SetBlend(int value);
    bool Grayed() const { return grayed_; }
    void SetGrayed(bool value) { grayed_ = value; InvalidateLook(); }
    TsDisabledGlyphKinds DisabledGlyphKind() const { return disabledGlyphKind_; }
    void SetDisabledGlyphKind(TsDisabledGlyphKinds value) { disabledGlyphKind_ = value; InvalidateLook(); }
    TsDisabledKinds DisabledKind() const { return disabledKind_; }
    void SetDisabledKind(TsDisabledKinds value) { disabledKind_ = value; InvalidateLook(); }
    bool Down() const { return down_; }
    void SetDown(bool value);
    int Margin() const { return margin_; }
    void SetMargin(int value) { margin_ = value; InvalidateLook(); }
    int ImageIndex = -1;  // glyphs from an image list are not drawn
    int TextOffset = 0;   // stored only
    // Called with the button and its cache after each cache preparation.
    std::function<void(TsBitBtn*, TBitmap&)> OnPaint;

    // The state whose look the button shows now.
    int StateIndex() const;
    // The fade running now, or nullptr.
    TsFadeTimer* RunningFade() const;

    void Loaded() override;
    void WndProc(TMessage& message) override;

private:
    enum class Change { Enter, Leave, Down, Up };

    void InvalidateLook();
    bool HandleSkinCommand(TMessage& m);
    void SkinLoadedCommand(TMessage& m);
    void SkinRemovedCommand(TMessage& m);
    void RepaintCommand(TMessage& m);
    void ResumePaintingCommand();
    void FreezeCacheCommand(WORD argument);
    // The window messages of a skinned button; false for those the bitmap button takes.
    bool HandleSkinnedMessage(TMessage& m);
    void MouseCrossed(TMessage& m, bool skinned, bool wasOver);
    void ReleaseHeldPress();
    void PaintMessage(TMessage& m);
    void PrintMessage(TMessage& m);
    void SpaceKey(TMessage& m);
    void Moved(TMessage& m);
    void PositionChanging(const TMessage& m);
    void LookInputChanged(TMessage& m);
    void PrepareCache();
    void PaintCaption(TBitmap& cache, const Rect& captionRect, int state);
    void PaintFocusFrame(View24 cache, const Rect& captionRect);
    void PaintGlyph(View24 cache, Point at);
    Size GlyphSize() const;
    const std::string& ShownCaption();
    Size MeasureCaption(TBitmap& cache);
    UINT CaptionFormat() const;
    void PaintWindow(HDC dc);
    void PrintInto(HDC dc);
    void ApplyShape();
    void ChangeLook(Change change);
    bool Fades(Change change) const;
    void StopFade();
    void RepaintNow();
    void MouseDown(TMessage& m);
    void MouseUp(TMessage& m);
    void FocusReceived(TMessage& m);
    void FocusLost(TMessage& m);
    void UpdateActive();

    std::unique_ptr<TsCommonData> skinData_;
    TAlignment alignment_ = TAlignment::taCenter;
    TAlignment textAlignment_ = TAlignment::taCenter;
    bool wordWrap_ = true;
    bool showCaption_ = true;
    bool showFocus_ = true;
    bool drawOverBorder_ = true;
    int blend_ = 0;
    bool grayed_ = false;
    TsDisabledGlyphKinds disabledGlyphKind_ = dgBlended;
    TsDisabledKinds disabledKind_ = dkBlended;
    bool down_ = false;
    int margin_ = -1;

    bool active_ = false;
    bool pressedInside_ = false;
    std::vector<Rect> shapeRuns_;   // key-colour runs of the last cache preparation
    std::vector<Rect> appliedRuns_; // the runs of the region the window has
    bool shapeStale_ = true;
    bool shaped_ = false;
    Rect shapedBounds_;
    int paintedSpacing_ = 4;
    TsFadeTimer* fade_ = nullptr;   // owned by the button, kept idle between fades
    std::optional<std::string> shownCaption_;  // the window's text, read once per change
    bool systemPushed_ = false;     // the system button's pushed state, as it last set it
    bool measured_ = false;         // the last caption measure
    std::string measuredCaption_;
    int measuredLimit_ = 0;
    TFont measuredFont_;
    Size measuredSize_;
};
