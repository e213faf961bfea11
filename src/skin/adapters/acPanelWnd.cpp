#include "skin/adapters/acPanelWnd.h"

#include "skin/engine/CacheCopy.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinDistribution.h"
#include "skin/engine/sCommonData.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"

namespace {

bool SameBackground(const TsBgSource& a, const TsBgSource& b)
{
    return !a.HasImage() && !b.HasImage() && a.FillColor == b.FillColor;
}

}  // namespace

std::string PanelSectionOf(TBevelCut outer, TBevelCut inner, bool singleBorder)
{
    switch (outer) {
    case TBevelCut::bvLowered:
        return inner == TBevelCut::bvRaised ? "GROUPBOX" : "PANEL_LOW";
    case TBevelCut::bvRaised:
        return inner == TBevelCut::bvLowered ? "GROUPBOX" : "PANEL";
    default:
        // A panel without an outer bevel shows its border, or nothing: CHECKBOX is fully transparent.
        return singleBorder ? "PANEL_LOW" : "CHECKBOX";
    }
}

namespace {

std::string SectionForWindow(HWND window)
{
    auto* panel = dynamic_cast<TPanel*>(TWinControl::FromHandle(window));
    if (!panel)
        return "PANEL";
    bool single = GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE || GetWindowLongA(window, GWL_STYLE) & WS_BORDER;
    return PanelSectionOf(panel->BevelOuter(), panel->BevelInner(), single);
}

}  // namespace

TacPanelWnd::TacPanelWnd(HWND window, TsSkinManager* manager, TsCommonData* skinData)
    : TacMainWnd(window, SectionForWindow(window), manager, skinData)
{
    // The bevels decide, whatever section the caller had in mind.
    SkinData().SetSkinSection(SectionForWindow(window));
}

TPanel* TacPanelWnd::Panel() const
{
    return dynamic_cast<TPanel*>(Control());
}

void TacPanelWnd::PrepareCache()
{
    TsCommonData& data = SkinData();
    TBitmap* cache = CacheOfWindowSize();
    if (!cache)
        return;
    View24 pixels = cache->Pixels24();
    paintedOn_ = ParentBackground();
    PaintControlItem(TsPaintTarget(pixels, paintedOn_), data.Section(), pixels.Bounds(), 0, {});
    data.CacheInvalid = false;
}

void TacPanelWnd::PaintClient(HDC dc)
{
    TsCommonData& data = SkinData();
    if (data.CacheInvalid || !SameBackground(ParentBackground(), paintedOn_))
        PrepareCache();
    RECT client{};
    GetClientRect(Window(), &client);
    int edge = (WindowSize().width - int(client.right)) / 2;
    Rect dest{0, 0, int(client.right), int(client.bottom)};
    TBitmap* cache = data.CacheBitmap();
    TPanel* panel = Panel();
    if (!cache || cache->Empty() || !panel)
        return;
    {
        // Opaque children paint all of their place themselves; windowless
        // ones (labels) are put on the screen together with the piece of the
        // look behind them, so the look never shows alone where they stand.
        SaveDcGuard saved(dc);
        IntersectClipRect(dc, dest.left, dest.top, dest.right, dest.bottom);
        for (TControl* child : panel->Controls())
            if (child->Visible() && ((child->ControlStyle & csOpaque) || !dynamic_cast<TWinControl*>(child))) {
                Rect r = child->BoundsRect();
                ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
            }
        BitBlt(dc, 0, 0, dest.Width(), dest.Height(), cache->Canvas().Handle(), edge, edge, SRCCOPY);
    }
    PaintGraphicChildrenOverCache(panel, data, {edge, edge}, dc);
    for (TControl* child : panel->Controls())
        if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->HandleAllocated())
            SendSkinCommand(windowed->Handle(), scResumePainting);
}

void TacPanelWnd::CopyEdges(HDC dc)
{
    TBitmap* cache = SkinData().CacheBitmap();
    if (!cache || cache->Empty())
        return;
    RECT client{};
    GetClientRect(Window(), &client);
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    Rect window = WindowBounds();
    SaveDcGuard saved(dc);
    ExcludeClipRect(dc, client.left - window.left, client.top - window.top, client.right - window.left,
                    client.bottom - window.top);
    cache->DrawTo(dc, 0, 0);
}

void TacPanelWnd::EraseBackground(TMessage& m)
{
    if (!SkinData().PaintingSuspended())
        PaintClient(reinterpret_cast<HDC>(m.WParam));
    erasedInPaint_ = true;
    m.Result = 1;
}

void TacPanelWnd::Paint(TMessage& m)
{
    // The look is painted when the background is erased. Invalidations of
    // an opaque control ask for no erasing; then it is painted here.
    erasedInPaint_ = false;
    PaintDc dc(Window(), m.WParam);
    if (!erasedInPaint_ && !SkinData().PaintingSuspended()) {
        SaveDcGuard saved(dc.Get());
        PaintClient(dc.Get());
    }
    m.Result = 0;
}

bool TacPanelWnd::HandleCommand(TMessage& m)
{
    TsCommonData& data = SkinData();
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
        TacMainWnd::WndProc(m);
        if (TPanel* panel = Panel())
            PassToChildren(panel, m.WParam, m.LParam);
        return true;
    case scResumePainting:
        data.Updating = false;
        RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
        m.Result = 0;
        return true;
    case scSkinRemoved:
        // Nothing of the old skin is painted again, even before the adapter
        // goes: the binding forgets its section (index -1). The opaque style
        // stays: a panel is opaque by its own design, and detaching takes
        // back only what the adapter added.
        if (FromOwnManager(m))
            data.HandleSkinCommand(m);
        return false;
    default:
        // The handled-query and the others are the base's.
        return false;
    }
}

void TacPanelWnd::WndProc(TMessage& m)
{
    TWinControl* control = Control();
    bool container = control && (control->ControlStyle & csAcceptsControls);
    if (!IsActive() || !container) {
        TacMainWnd::WndProc(m);
        return;
    }
    switch (m.Msg) {
    case WM_ERASEBKGND:
        EraseBackground(m);
        return;
    case WM_PAINT:
        Paint(m);
        return;
    case WM_NCPAINT: {
        RefreshPosition();
        SendSkinCommand(Window(), scMakeCache);
        WholeWindowDc dc(Window());
        CopyEdges(dc.Get());
        m.Result = 0;
        return;
    }
    case WM_SETTEXT:
        if (IsVisible()) {
            {
                RedrawOffGuard quiet(Window());
                CallOldHandler(m);
            }
            SkinData().CacheInvalid = true;
            RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            return;
        }
        break;
    case WM_UPDATEUISTATE:
        m.Result = 1;
        return;
    case WM_PARENTNOTIFY:
        if (LOWORD(m.WParam) == WM_CREATE) {
            CallOldHandler(m);
            SendSkinCommand(control->ParentForm(), scControlChanged, 0, reinterpret_cast<LPARAM>(control));
            return;
        }
        break;
    case WM_PRINT: {
        auto dc = reinterpret_cast<HDC>(m.WParam);
        CopyEdges(dc);
        PaintClient(dc);
        m.Result = 0;
        return;
    }
    case SM_SKINCMD:
        if (HandleCommand(m))
            return;
        break;
    default:
        break;
    }
    TacMainWnd::WndProc(m);
    if (m.Msg == WM_WINDOWPOSCHANGING && !Destroyed())
        SendMessageA(Window(), WM_NCPAINT, 1, 0);
}
