#include "skin/dialogs/acTabControlWnd.h"

#include <commctrl.h>

#include "skin/dialogs/DialogText.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Bitmap.h"

namespace {

constexpr int kSelectedRise = 2;  // the selected tab stands this much above the others
constexpr int kTabTextLength = 256;

Rect ToRect(const RECT& r)
{
    return {int(r.left), int(r.top), int(r.right), int(r.bottom)};
}

}  // namespace

TacTabControlWnd::TacTabControlWnd(HWND window, TsSkinManager* manager)
    : TacOwnPaintWnd(window, "PAGECONTROL", manager)
{
}

int TacTabControlWnd::TabCount() const
{
    return int(SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0));
}

Rect TacTabControlWnd::PageRect() const
{
    RECT client{};
    GetClientRect(Window(), &client);
    Rect page = ToRect(client);
    for (int i = 0; i < TabCount(); ++i) {
        RECT tab{};
        if (SendMessageW(Window(), TCM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&tab)))
            page.top = std::max(page.top, int(tab.bottom));
    }
    return page;
}

Rect TacTabControlWnd::TabRect(int index) const
{
    RECT tab{};
    if (index < 0 || !SendMessageW(Window(), TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&tab)))
        return {};
    Rect r = ToRect(tab);
    if (index == int(SendMessageW(Window(), TCM_GETCURSEL, 0, 0))) {
        // It joins the page: its bottom covers the page's top edge.
        r.top = std::max(0, r.top - kSelectedRise);
        r.bottom += 1;
    }
    return r;
}

int TacTabControlWnd::TabState(int index) const
{
    if (index == int(SendMessageW(Window(), TCM_GETCURSEL, 0, 0)))
        return 2;
    return index == hotTab_ && IsEnabled() ? 1 : 0;
}

std::wstring TacTabControlWnd::TabText(int index) const
{
    wchar_t text[kTabTextLength] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kTabTextLength;
    if (!SendMessageW(Window(), TCM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item)))
        return {};
    return item.pszText ? std::wstring(item.pszText) : std::wstring();
}

void TacTabControlWnd::PaintTab(HDC dc, View24 pixels, const TsBgSource& behind, int index)
{
    Rect r = TabRect(index);
    if (r.IsEmpty())
        return;
    TsSectionRef tab = TsSectionRef::Resolve(SkinData().Section().Model, "TABTOP");
    int state = TabState(index);
    PaintControlItem(TsPaintTarget(pixels, behind), tab, r, state, {});
    DrawDialogText(dc, TabText(index), Font(), tab.IsValid() ? tab : SkinData().Section(), IsEnabled(), state != 0,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, r);
}

void TacTabControlWnd::PrepareCache()
{
    TBitmap* cache = CacheOfWindowSize();
    if (!cache)
        return;
    View24 pixels = cache->Pixels24();
    TsBgSource behind = ParentBackground();
    PaintBgInto(pixels, pixels.Bounds(), behind);
    PaintControlItem(TsPaintTarget(pixels, behind), SkinData().Section(), PageRect(), 0, {});
    GdiFlush();
    int selected = int(SendMessageW(Window(), TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < TabCount(); ++i) {
        if (i != selected)
            PaintTab(cache->Canvas().Handle(), pixels, behind, i);
    }
    // The selected tab last: it overlaps its neighbours.
    PaintTab(cache->Canvas().Handle(), pixels, behind, selected);
    GdiFlush();
    SkinData().CacheInvalid = false;
}

int TacTabControlWnd::TabUnderCursor() const
{
    Point p = CursorInClient();
    TCHITTESTINFO hit{{p.x, p.y}, 0};
    if (SkinData().MouseOver || SkinEngine().HotWindow == Window())
        return int(SendMessageW(Window(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return -1;
}

void TacTabControlWnd::MouseMoved()
{
    int hot = TabUnderCursor();
    if (hot != hotTab_) {
        hotTab_ = hot;
        Repaint();
    }
}

void TacTabControlWnd::WndProc(TMessage& m)
{
    if (IsActive() && m.Msg == SM_SKINCMD && SkinCmdOf(m.WParam) == scMouseLeave)
        hotTab_ = -1;
    TacOwnPaintWnd::WndProc(m);
}
