#pragma once
// TacDialogWnd: the adapter of a dialog window of the system (message boxes,
// the open-file dialog, the folder picker, the shell's dialogs). It paints
// the dialog's frame, caption, icon, caption buttons and client background
// from the skin into its cache, shapes the window at the border image's
// corners, answers the mouse on the caption itself (the window system's
// caption buttons and system menu are switched off with WS_SYSMENU) and
// shows the skin's own system menu. Its children are adapted by the
// run-time provider that owns it; it asks the provider to adapt new ones.

#include <functional>

#include "skin/dialogs/DialogText.h"
#include "skin/dialogs/acDialogInsideColors.h"
#include "skin/forms/CaptionInput.h"
#include "skin/forms/FramePainting.h"
#include "skin/forms/sSystemMenu.h"
#include "skin/frame/DialogFrame.h"
#include "skin/scroll/acScrollWnd.h"
#include "toolkit/Bitmap.h"

class TacProvider;
using TacSystemMenu = TsSystemMenu;

// A caption button of some dialog is held down; a dialog's region is being set.
struct TacDialogState {
    bool DialogButtonPressed = false;
    bool DialogRegionUpdating = false;
};
TacDialogState& DialogState();

class TacDialogWnd : public TacScrollWnd, private TsCaptionOwner {
public:
    // The section is "DIALOG"; manager: the default manager.
    TacDialogWnd(HWND window, TsSkinManager* manager);
    ~TacDialogWnd() override;

    TacProvider* Provider = nullptr;
    // Adapts the dialog's children that have no adapter yet.
    std::function<void()> AttachChildren;

    // Reads the style, decides the frame kind, takes the icon and switches
    // off the window system's caption buttons.
    void SetUp();

    uint32_t Style() const { return style_; }
    uint32_t ExStyle() const { return exStyle_; }
    TsDialogFrameKind FrameKind() const { return frameKind_; }
    bool Active() const { return active_; }
    int HotHitCode() const { return hotHitCode_; }
    const TsCaptionSlot& Slot(TsCaptionButton b) const { return slots_[std::size_t(b)]; }
    TacSystemMenu& SystemMenu() { return systemMenu_; }
    TsFrameGeometry Geometry() const override;
    Point ClientOffset() const { return Geometry().clientOffset; }
    // Shows the system menu at a screen point and carries out the choice.
    void PopupSystemMenu(POINT at) override;

    void WndProc(TMessage& m) override;

    // The activation hook's word that a child window is being created under
    // parent: when parent lies in a skinned dialog (outside the shell's
    // hosts), the dialog adapts its new children before they first paint.
    static void ChildCreated(HWND parent);

protected:
    void AfterSubclass(bool subclass) override;
    // The window system's caption buttons, shape and colours come back.
    void RestoreControlState() override;

private:
    TsDialogFrameFacts Facts() const;
    TsCaptionButtonRules ButtonRules() const override;
    void ChooseButtonImages();
    void UpdateSystemMenu() override;
    // The message handlers; each dispatcher answers whether it took the
    // message, the rest goes on to the scroll-bar layer.
    bool Dispatch(TMessage& m);
    bool HandleCommand(TMessage& m);
    bool NcPaint(TMessage& m);
    void MouseMove();
    void Resized(TMessage& m);
    bool StateChanged(TMessage& m);
    void DrawItem(TMessage& m);
    void LayoutChanged(TMessage& m);
    void AdaptChildrenSoon();
    void AdaptChildrenNow();
    void Redraw(UINT flags);

    // Painting (acDialogWndPaint.cpp).
    bool CacheReady() const;
    void PaintWholeWindow();
    void PaintCaption(const TsFrameGeometry& g);
    void PaintCaptionIcon(const TsFrameGeometry& g);
    void PaintCaptionText(const TsFrameGeometry& g);
    int SlotMask(TsCaptionButton b, bool& enabled) const;
    void DrawButton(TsCaptionButton b);
    void RepaintButton(TsCaptionButton b) override;
    void OutputFrame(TMessage& m);
    void UpdateRegion();
    void EraseBackground(TMessage& m);
    void Paint(TMessage& m);
    void PaintBackgroundOver(HRGN area);
    void AnswerBackground(TMessage& m);
    void AnswerDialogColor(TMessage& m);

    // The mouse on the caption (acDialogWndInput.cpp): the caption input's,
    // over TsCaptionOwner.
    HWND CaptionWindow() const override { return Window(); }
    TsFormFrameState CaptionFrameState() const override { return DialogFrameState(Facts()); }
    int CaptionButtonHeight() const override;
    TsCaptionSlots& CaptionSlots() override { return slots_; }
    int& HotCode() override { return hotHitCode_; }
    bool& ButtonHeld() override { return DialogState().DialogButtonPressed; }
    void PassOn(TMessage& m) override;
    int HotCodeOfHit(int code) const override { return code == htSkinTransparent ? 0 : code; }
    void ButtonHitByMouse() override;
    int IconBottom(const TsFrameGeometry& g) const override;
    bool KeyMenuAllowed() const override { return style_ & WS_SYSMENU; }
    bool CaptionDoubleClickSizes() const override;
    void CloseFromIcon() override;
    bool PassesUnclickedRelease() const override { return false; }
    bool RepressesOnDoubleClick() const override { return false; }
    bool BorderlessPassesRightRelease() const override { return false; }
    void Activation(TMessage& m);
    void SysCommand(TMessage& m);

    uint32_t style_ = 0;
    uint32_t exStyle_ = 0;
    TsDialogFrameKind frameKind_ = dfSingle;
    HICON icon_ = nullptr;
    bool setUp_ = false;
    bool active_ = true;
    int hotHitCode_ = 0;
    TsCaptionSlots slots_;
    int restoreMask_ = -1;
    std::vector<Rect> regionRects_;
    Size regionSize_;
    bool regionStale_ = true;
    bool firstEraseDone_ = false;
    bool adaptPending_ = false;
    TBitmap buttonsBackground_;
    int buttonsBackgroundLeft_ = 0;
    TacSystemMenu systemMenu_;
    TsSectionRef titleSection_;
    TsSolidBrushes brushes_;
    TacDialogInsideColors insideColors_;
    TsCaptionInput caption_{*this};
};

