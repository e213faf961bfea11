#pragma once
// TacLinkWnd: the adapter of a dialog's link controls ("SysLink", "Link
// Window"). The control's text is read with its markup and drawn on one line
// over the dialog's skinned background: plain parts in the section's font
// colours, the parts between <a> and </a> underlined in the colours of the
// skin's WEBBUTTON section. Clicks and keys stay with the control.

#include <string>
#include <string_view>
#include <vector>

#include "skin/dialogs/acOwnPaintWnd.h"

struct TsLinkRun {
    std::wstring Text;
    bool Link = false;
    friend bool operator==(const TsLinkRun&, const TsLinkRun&) = default;
};

// The text split at its <a ...> and </a> tags (any case, attributes
// ignored); a link left open runs to the end. Empty runs are dropped.
std::vector<TsLinkRun> SplitLinkMarkup(std::wstring_view text);

class TacLinkWnd : public TacOwnPaintWnd {
public:
    TacLinkWnd(HWND window, TsSkinManager* manager);

protected:
    void PrepareCache() override;

private:
    int DrawRun(HDC dc, const TsLinkRun& run, HFONT font, int x);
};
