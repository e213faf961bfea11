#pragma once
// Skinning for windows that carry no form skinning component of their own,
// from their first activation on: forms of the program without one (the
// About box) get a TsSkinProvider owned by the form; dialog windows of the
// system (message boxes, the open-file dialog, the folder picker, the
// shell's dialogs) get a dialog adapter and adapters of their children.
// The activation hook makes a TacProvider for each; it is freed when its
// window is destroyed.

#include <windows.h>

#include "skin/adapters/acMainWnd.h"
#include "skin/dialogs/acDialogChildren.h"

class TCustomForm;
class TsSkinProvider;
class TacDialogWnd;

// Registers the activation hook's handlers; the program calls it once at start.
void InstallRunTimeProviders();

// The run-time providers alive now (for tests).
int RunTimeProviderCount();

class TacProvider {
public:
    explicit TacProvider(TCustomForm* form);
    // A dialog window: nothing is attached before SetUpDialog.
    explicit TacProvider(HWND dialog);
    TacProvider(const TacProvider&) = delete;
    TacProvider& operator=(const TacProvider&) = delete;
    ~TacProvider();

    HWND Window() const { return window_; }
    TsSkinProvider* Provider() const { return provider_; }

    // Attaches the dialog adapter and the child adapters and announces the
    // skin to the dialog; false (nothing attached) when the window is no
    // dialog the skin takes.
    bool SetUpDialog();
    TacDialogWnd* DialogAdapter() const;
    const TacDialogChildren& ChildAdapters() const { return childAdapters_; }
    // The dialog adapter has detached (its window is being destroyed).
    bool DialogGone() const;
    // Detaches the child adapters and the dialog adapter now.
    void ReleaseDialog();
    // The skin went: the form skinning component made for a form is freed
    // with this provider (unless the form is going and frees it itself).
    void ReleaseFormProvider() { freeFormProvider_ = true; }

private:
    void AttachChildren();

    HWND window_;
    TCustomForm* form_ = nullptr;
    TsSkinProvider* provider_ = nullptr;  // owned by the form
    bool freeFormProvider_ = false;
    TacWindowAdapterPtr dialogAdapter_;
    TacDialogChildren childAdapters_;     // freed before the dialog adapter
};
