#pragma once
// TsSkinProvider: gives one form a skinned frame. It links its handler into
// the form's message chain (the form's one skin link), paints the whole window (frame, caption,
// caption buttons, client background) into its binding's cache, copies the
// frame from it on every non-client paint, answers hit tests and the mouse
// on the frame itself, shapes the window by the border image's corners, and
// answers the background question of the form's children from the cache.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "skin/engine/SkinDistribution.h"
#include "skin/engine/sCommonData.h"
#include "skin/frame/CaptionButtons.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/forms/CaptionInput.h"
#include "skin/forms/FramePainting.h"
#include "skin/forms/sSystemMenu.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Component.h"
#include "toolkit/Labels.h"

class TCustomForm;
class TacCtrlAdapter;
class TWinControl;

enum class TsGripMode { gmNone, gmRightBottom };
enum class TsResizeMode { rmStandard, rmBorder };

struct TsTitleIcon {
    std::shared_ptr<TBitmap> Glyph;  // empty: the form's own icon
    int Width = 0;                   // 0: by the caption's height
    int Height = 0;
};

// An extra caption button of the form (the program has none).
struct TsTitleButton {
    std::string Name;
    bool Enabled = true;
    bool UseSkinData = true;
};

class TsSkinProvider : public TComponent, public TsFormSkinner, private TsCaptionOwner {
public:
    explicit TsSkinProvider(TComponent* owner);
    ~TsSkinProvider() override;
    const char* ClassName() const override { return "TsSkinProvider"; }

    TsCommonData& SkinData() { return *skinData_; }
    const std::string& TitleSkin() const { return titleSkin_; }
    void SetTitleSkin(const std::string& section);
    std::string MenuLineSkin;
    TAlignment CaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(TAlignment value);
    bool ShowAppIcon() const { return showAppIcon_; }
    void SetShowAppIcon(bool value);
    TsTitleIcon TitleIcon;
    std::vector<TsTitleButton> TitleButtons;
    bool UseGlobalColor() const { return useGlobalColor_; }
    void SetUseGlobalColor(bool value);
    TsGripMode GripMode = TsGripMode::gmNone;
    TsResizeMode ResizeMode = TsResizeMode::rmStandard;
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    bool MakeSkinMenu = false;

    // TsFormSkinner
    TCustomForm* SkinnedForm() const override { return form_; }
    TsSkinManager* SkinManager() const override;
    void FadeToNewLook(unsigned milliseconds) override;
    void RebuildFrame() override;

    bool FormActive() const { return formActive_; }
    bool HadSystemMenu() const { return hadSystemMenu_; }
    int HotHitCode() const { return hotHitCode_; }
    const TsCaptionSlot& Slot(TsCaptionButton b) const { return slots_[std::size_t(b)]; }
    TsSystemMenu& SystemMenu() { return systemMenu_; }
    // The frame's geometry now, from the window's metrics.
    TsFrameGeometry Geometry() const override;
    // The window's state as the frame sees it.
    TsFormFrameState FrameState() const;
    TsCaptionButtonRules ButtonRules() const override;
    // Where the client area lies in the window (and in the cache).
    Point ClientOffset() const { return Geometry().clientOffset; }
    // Shows the system menu at a screen point and carries out the choice.
    void PopupSystemMenu(POINT at) override;
    // Fades the form in at its first painting (a provider made when the form was activated).
    void FadeInAtFirstPaint(unsigned milliseconds) { pendingFadeIn_ = milliseconds; }
    // The adapter skinning the form's standard controls; nullptr while unskinned.
    TacCtrlAdapter* Adapter() const { return adapter_.get(); }

    // The caption band's background is kept for the next caption repaint.
    bool HasSavedTitle() const { return savedTitle_ && !savedTitle_->Empty(); }

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:

    void Attach();
    void Detach();
    void Pass(TMessage& m);

    // The form's messages (sSkinProviderMessages.cpp): a dispatch over the
    // message families, each false when the message is none of its own.
    void HandleMessage(TMessage& m);
    void Created(TMessage& m);
    bool PaintMessage(TMessage& m);
    bool FrameMouseMessage(TMessage& m);
    bool WindowStateMessage(TMessage& m);
    bool NotificationMessage(TMessage& m);
    void NcPaint(TMessage& m);
    void Resized(TMessage& m);
    void InvalidateStaleCorners(Size client);
    void PositionChanging(TMessage& m);
    void Activated(TMessage& m);
    void ParentNotify(TMessage& m);
    void ControlListChange(TMessage& m);
    void MakeOpaqueToChildren(TWinControl* control);

    // The engine's commands (sSkinProviderCommands.cpp), by family.
    void HandleSkinCommand(TMessage& m);
    bool SkinChangeCommand(TMessage& m);
    bool QueryCommand(TMessage& m);
    bool PaintingCommand(TMessage& m);
    void SkinLoaded(TMessage& m);
    void SkinRemoved(TMessage& m);
    void Repaint(TMessage& m);
    bool Skinned() const;
    void InitializeSkin();
    void RestoreWindowSystemLook();
    void ChooseButtonImages();
    void UpdateSystemMenu() override;
    void ApplyFormColor();
    // The standard controls: adapted while the form is skinned.
    void AttachAdapters(TWinControl* container = nullptr);
    void DropAdapters(const TMessage& removal);

    // Painting (sSkinProviderPaint.cpp).
    void PaintWholeWindow();
    void PaintCaption(const TsFrameGeometry& g);
    void PaintCaptionButtons(const TsFrameGeometry& g);
    void PaintCaptionIcon(const TsFrameGeometry& g);
    void PaintGrip(const TsFrameGeometry& g);
    // Whether the caption band can be restored from SavedTitle now.
    bool TitleFastPathReady(const TsFrameGeometry& g, int width, int height) const;
    void SaveTitle(const TsFrameGeometry& g);
    void PaintCaptionText(const TsFrameGeometry& g);
    void DrawButton(TsCaptionButton b, bool dimmed);
    void RepaintButton(TsCaptionButton b) override;
    void OutputFrame(HDC dc);
    void UpdateRegion();
    void PaintClient(HDC dc, const RECT& area);
    void PrintWindowInto(HDC dc);
    bool CacheReady() const;

    // The frame's mouse and commands (sSkinProviderInput.cpp); the caption
    // buttons' part is the caption input's, over TsCaptionOwner.
    HWND CaptionWindow() const override;
    TsFormFrameState CaptionFrameState() const override { return FrameState(); }
    int CaptionButtonHeight() const override;
    TsCaptionSlots& CaptionSlots() override { return slots_; }
    int& HotCode() override { return hotHitCode_; }
    bool& ButtonHeld() override { return buttonPressed_; }
    void PassOn(TMessage& m) override { Pass(m); }
    int HotCodeOfHit(int code) const override;
    int IconBottom(const TsFrameGeometry& g) const override { return g.bottomFrame + g.iconHeight; }
    bool KeyMenuAllowed() const override;
    bool CaptionDoubleClickSizes() const override;
    void CloseFromIcon() override;
    void MinimizeClicked() override;
    void MinimizeByButton() override;
    // The main form minimizes the whole application; any other form itself.
    void Minimize();
    int FrameHitCode(Point inWindow) const override;
    // The grip's place in the window; empty without one.
    Rect GripPlace(const TsFrameGeometry& g) const;
    bool PassesUnclickedRelease() const override { return true; }
    bool RepressesOnDoubleClick() const override { return true; }
    bool BorderlessPassesRightRelease() const override { return true; }
    void SysCommand(TMessage& m);
    void Activation(TMessage& m);
    void TextChange(TMessage& m);
    void Showing(TMessage& m);
    void AnswerBackground(TsBgQuery& q);
    LRESULT AnswerColor() const;

    TCustomForm* form_ = nullptr;
    std::unique_ptr<TsCommonData> skinData_;
    std::string titleSkin_;
    TAlignment captionAlignment_ = TAlignment::taLeftJustify;
    bool showAppIcon_ = true;
    bool useGlobalColor_ = true;
    TChainLink link_;  // the provider's place in the form's chain
    bool attached_ = false;
    std::unique_ptr<TacCtrlAdapter> adapter_;

    bool formActive_ = true;
    int hotHitCode_ = 0;
    bool buttonPressed_ = false;
    std::vector<Rect> regionRects_;
    std::vector<Rect> appliedRegion_;
    Size appliedSize_;
    bool regionApplied_ = false;
    bool regionUpdating_ = false;
    bool hadSystemMenu_ = false;
    int showState_ = 0;
    bool animating_ = false;
    bool firstPaintDone_ = false;
    unsigned pendingFadeIn_ = 0;
    TBitmap buttonsBackground_;
    int buttonsBackgroundLeft_ = 0;
    TsCaptionSlots slots_;
    int restoreMask_ = -1;
    int gripMask_ = -1;          // GLOBALINFO's GRIPIMAGE
    TsSystemMenu systemMenu_;
    TsSectionRef titleSection_;
    std::unique_ptr<TBitmap> savedTitle_;  // the caption band before the caption was drawn on it
    int savedTitleState_ = -1;   // the state it was painted in
    int paintedState_ = -1;      // the state of the cache's last whole paint
    bool fullTitleRepaint_ = false;
    Size clientSize_;            // the client area at the last WM_SIZE; empty before the first
    bool trackingLeave_ = false;
    TsCaptionInput caption_{*this};
};

// The form skinning component of a form, or nullptr.
TsSkinProvider* ProviderOf(TCustomForm* form);
