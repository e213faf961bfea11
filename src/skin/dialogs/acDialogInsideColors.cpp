#include "skin/dialogs/acDialogInsideColors.h"

#include "skin/engine/SkinCommands.h"

bool TacDialogInsideColors::Handle(TMessage& m, const TsSkinManager* manager,
                                   const std::function<void(TMessage&)>& passOn)
{
    if (m.Msg == SM_SKINCMD) {
        TsSkinCommand command = SkinCmdOf(m.WParam);
        if (command == scSkinLoaded || command == scRepaint || command == scSkinRemoved)
            colorsStale_ = true;
        return false;
    }
    if (m.Msg != WM_CTLCOLOREDIT && m.Msg != WM_CTLCOLORLISTBOX && m.Msg != WM_DRAWITEM)
        return false;
    auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (m.Msg == WM_DRAWITEM && (!item || item->CtlType != ODT_COMBOBOX))
        return false;
    const std::optional<TsInsideColors>& colors = Colors(manager);
    if (!colors)
        return false;
    if (m.Msg != WM_DRAWITEM) {
        AnswerControlColor(m, colors->Text, colors->Window);
        return true;
    }
    passOn(m);
    const RECT& r = item->rcItem;
    RecolorSystemDrawn(item->hDC, Rect{int(r.left), int(r.top), int(r.right), int(r.bottom)}, *colors);
    return true;
}

void TacDialogInsideColors::AnswerControlColor(TMessage& m, COLORREF text, COLORREF window)
{
    auto dc = reinterpret_cast<HDC>(m.WParam);
    SetTextColor(dc, text);
    SetBkColor(dc, window);
    m.Result = reinterpret_cast<LRESULT>(brushes_.Of(window));
}

const std::optional<TsInsideColors>& TacDialogInsideColors::Colors(const TsSkinManager* manager)
{
    if (colorsStale_) {
        colors_ = SkinInsideColors(manager);
        colorsStale_ = false;
    }
    return colors_;
}
