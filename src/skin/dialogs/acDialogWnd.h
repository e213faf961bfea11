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
#include "skin/forms/FramePainting.h"
#include "skin/forms/sSystemMenu.h"
#include "skin/frame/DialogFrame.h"
#include "skin/scroll/acScrollWnd.h"
#include "toolkit/Bitmap.h"

class TacProvider;
using TacSystemMenu = TsSystemMenu;

class TacDialogWnd : public TacScrollWnd {
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
    TsFrameGeometry Geometry() const;
    Point ClientOffset() const { return Geometry().clientOffset; }
    // Shows the system menu at a screen point and carries out the choice.
    void PopupSystemMenu(POINT at);

    void WndProc(TMessage& m) override;

protected:
    void AfterSubclass(bool subclass) override;
    // The window system's caption buttons, shape and colours come back.
    void RestoreControlState() override;

private:
    TsDialogFrameFacts Facts() const;
    TsCaptionButtonRules ButtonRules() const;
    void ChooseButtonImages();
    void UpdateSystemMenu();
    bool HandleCommand(TMessage& m);
    void Redraw(UINT flags);

    // Painting (acDialogWndPaint.cpp).
    bool CacheReady() const;
    void PaintWholeWindow();
    void PaintCaption(const TsFrameGeometry& g);
    void PaintCaptionIcon(const TsFrameGeometry& g);
    void PaintCaptionText(const TsFrameGeometry& g);
    int SlotMask(TsCaptionButton b, bool& enabled) const;
    void DrawButton(TsCaptionButton b);
    void RepaintButton(TsCaptionButton b);
    void OutputFrame(TMessage& m);
    void UpdateRegion();
    void EraseBackground(TMessage& m);
    void AnswerBackground(TMessage& m);
    void AnswerDialogColor(TMessage& m);

    // The mouse on the caption (acDialogWndInput.cpp).
    void HitTest(TMessage& m);
    void SetHotHitCode(int code);
    void PressButton(int code);
    void NcLButtonDown(TMessage& m);
    void ButtonUp(TMessage& m);
    void NcLButtonDblClk(TMessage& m);
    void NcRButton(TMessage& m);
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
    TBitmap buttonsBackground_;
    int buttonsBackgroundLeft_ = 0;
    TacSystemMenu systemMenu_;
    TsSectionRef titleSection_;
    TsSolidBrushes brushes_;
};

// A caption button of some dialog is held down; a dialog's region is being set.
struct TacDialogState {
    bool DialogButtonPressed = false;
    bool DialogRegionUpdating = false;
};
TacDialogState& DialogState();
