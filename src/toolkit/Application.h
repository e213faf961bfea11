#pragma once
// TApplication: owns the forms, runs the message loop, tracks which control the
// pointer is over (mouse enter/leave, hints) and shows the error box for any
// error that escapes a message handler.

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Handles.h"
#include "toolkit/Icon.h"

class TControl;
class TWinControl;
class TCustomForm;
class THintWindow;
class TTimer;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    void Initialize();
    HWND Handle() const { return handle_; }
    const std::string& Title() const { return title_; }
    // The program's icon (its MAINICON resource), empty when it has none.
    TIcon& Icon() { return icon_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Creates a form owned by the application; the first one becomes the main form.
    template <typename Form>
    Form* CreateForm()
    {
        Form* form = new Form(this);
        if (!mainForm_)
            mainForm_ = form;
        form->Create();
        return form;
    }
    TCustomForm* MainForm() const { return mainForm_; }
    void FormDestroyed(TCustomForm* form);

    // Minimizes the application: every other window it shows that the main
    // form does not own (those go with it) is hidden, and the main form goes
    // to its taskbar button. The main form's restoring brings them back.
    void Minimize();
    void MainFormRestored();
    bool Minimized() const { return minimized_; }

    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Lets the loop run again after Terminate (a host that shows a new main form).
    void ResetTerminated() { terminated_ = false; }
    // Handles one message, or waits for one when the queue is empty.
    void HandleMessage();
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();

    void HandleException(std::exception_ptr error);
    // The error box: message (with a full stop added when it ends in a character
    // after "."), the title as caption, the error icon and one OK button. One
    // at a time: an error raised while it is up ends its command unshown.
    void ShowException(const std::string& message);

    // Pointer tracking, fed by the windowed controls.
    void MouseOver(TControl* control);
    void MouseLeftWindow(TWinControl* window);
    void ControlDestroyed(TControl* control);
    TControl* MouseControl() const { return mouseControl_; }
    void CancelHint();
    THintWindow* HintWindow() const { return hintWindow_; }
    // Whether hints show at all; turning them off hides the one showing.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    unsigned HintPause = 500;
    unsigned HintHidePause = 2500;

private:
    bool ProcessMessage(MSG& msg);
    bool IsKeyMessage(const MSG& msg);
    void ShowHintNow();

    HWND handle_ = nullptr;
    std::string title_;
    TIcon icon_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool showingError_ = false;  // the error box is up
    bool showHint_ = true;
    bool minimized_ = false;
    std::vector<HWND> hiddenByMinimize_;
    TControl* mouseControl_ = nullptr;
    TControl* hintControl_ = nullptr;
    THintWindow* hintWindow_ = nullptr;
    TTimer* hintTimer_ = nullptr;
    TTimer* hintHideTimer_ = nullptr;
};

// The one application object of the process.
extern TApplication* Application;

// Appends a full stop to an error message whose last character sorts after ".".
std::string ErrorBoxText(const std::string& message);
