#pragma once
// Adapters of a dialog's containers that show the dialog through them:
// TacTransPanelWnd (a nested dialog, the folder picker's tree host) paints
// its section over what lies behind it in the dialog and passes its
// children's background questions on to the dialog; TacToolBarWnd does the
// same under a toolbar's buttons; TacSizerWnd shows the skin's grip image
// there instead of the window system's size grip.

#include "skin/adapters/acMainWnd.h"
#include "skin/dialogs/acDialogInsideColors.h"

class TacTransPanelWnd : public TacMainWnd {
public:
    TacTransPanelWnd(HWND window, const std::string& section, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

protected:
    void PrepareCache() override;
    virtual bool OwnsFrame() const { return true; }

private:
    // The client area's top-left in the window.
    Point ClientOrigin() const;
    void EraseBackground(TMessage& m);
    void AnswerBackground(TMessage& m);

    TacDialogInsideColors insideColors_;
};

class TacToolBarWnd : public TacTransPanelWnd {
public:
    using TacTransPanelWnd::TacTransPanelWnd;

protected:
    bool OwnsFrame() const override { return false; }
};

class TacSizerWnd : public TacTransPanelWnd {
public:
    TacSizerWnd(HWND window, TsSkinManager* manager);
    void WndProc(TMessage& m) override;

protected:
    void PrepareCache() override;
};
