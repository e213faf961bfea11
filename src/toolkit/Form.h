#pragma once
// TCustomForm and TForm: top-level windows. A form keeps its active control,
// moves the focus on Tab, offers Enter and Escape to its buttons, and can run
// modally until its ModalResult is set.

#include <string>

#include "toolkit/Icon.h"
#include "toolkit/WinControl.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;

class TCustomForm : public TCustomControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    const char* ClassName() const override { return "TCustomForm"; }

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons) { borderIcons_ = icons; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TIcon& Icon() { return icon_; }

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Called when a window of this form received the focus.
    void FocusChanged(TWinControl* control);
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    void Show();
    void Hide();
    void Close();
    TModalResult ShowModal();
    bool IsModal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;

    // Builds the form from its form data: the components are created and their
    // properties set while everything carries the loading state; then Loaded
    // runs on the form and on each component in creation order; then OnCreate.
    void Create();

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    // The form data: creates the form's components and sets their properties.
    virtual void ReadFormData() {}

private:
    void ApplyPosition();
    void FocusFirstControl();
    bool HandleDialogKey(WPARAM key);
    DWORD WindowStyle() const;
    DWORD WindowExStyle() const;

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    TIcon icon_;
    TWinControl* activeControl_ = nullptr;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    const char* ClassName() const override { return "TForm"; }
};
