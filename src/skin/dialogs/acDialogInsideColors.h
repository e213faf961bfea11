#pragma once
// What a skinned dialog, or a dialog nested in one, answers for the insides
// the system draws in its window colours (acInsideColors.h): the colours of
// its edits and combo boxes (WM_CTLCOLOREDIT) and of their lists
// (WM_CTLCOLORLISTBOX), and the items of owner-drawn combo boxes the dialog
// draws in fixed colours (the open-file dialog's "Look in"). While the
// system's colours stay, nothing is taken and nothing changes.

#include <functional>
#include <optional>

#include "skin/adapters/acInsideColors.h"
#include "skin/dialogs/DialogText.h"
#include "toolkit/Messages.h"

class TsSkinManager;

class TacDialogInsideColors {
public:
    // True when m was taken: a colour question answered with the skin's
    // colours set on its DC and its brush, or an owner-drawn combo box item
    // drawn by the dialog (passOn) and recoloured. False: m goes on as usual.
    bool Handle(TMessage& m, const TsSkinManager* manager, const std::function<void(TMessage&)>& passOn);

private:
    void AnswerControlColor(TMessage& m, COLORREF text, COLORREF window);
    // The skin's colours, looked up once per skin change (the engine's
    // loaded, repaint and removed commands pass through Handle).
    const std::optional<TsInsideColors>& Colors(const TsSkinManager* manager);

    TsSolidBrushes brushes_;
    std::optional<TsInsideColors> colors_;
    bool colorsStale_ = true;
};
