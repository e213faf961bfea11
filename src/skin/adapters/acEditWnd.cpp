#include "skin/adapters/acEditWnd.h"

#include "gfx/RectFill.h"
#include "skin/adapters/acAdapterState.h"
#include "skin/adapters/acInsideColors.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/CornerRefill.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Handles.h"
#include "toolkit/WinControl.h"

namespace {

constexpr LPARAM kPrintClientFlags = PRF_CLIENT | PRF_OWNED;  // 36

int32_t Rgb(TColor color)
{
    return ResolveSkinColor(int32_t(color));
}

}  // namespace

TacEditWnd::TacEditWnd(HWND window, const std::string& section, TsSkinManager* manager, TsCommonData* skinData)
    : TacBaseWnd(window, section, manager, skinData)
{
}

void TacEditWnd::StoreControlState()
{
    if (TWinControl* control = Control()) {
        DesignColor = control->Color();
        DesignFontColor = control->Font().Color();
    }
}

void TacEditWnd::RestoreControlState()
{
    SetWindowPos(Window(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
    TWinControl* control = Control();
    if (!control || control->IsDestroying())
        return;
    control->SetColor(DesignColor);
    control->Font().SetColor(DesignFontColor);
}

void TacEditWnd::ApplySkin()
{
    IgnoreStyleChange = true;
    skinApplied_ = true;
    TsCommonData& data = SkinData();
    const TsSectionRef& section = data.Section();
    if (TWinControl* control = Control()) {
        // Compared as set, not as shown: a system colour that looks the same
        // still gives way to the skin's own.
        auto color = TColor(data.ControlColor(data.IsHot()));
        if (!data.CustomColor() && control->Color() != color)
            control->SetColor(color);
        auto fontColor = TColor(section.IsValid() ? ResolveSkinColor(section.Data().HotFontColor[0]) : Rgb(clWindowText));
        if (!data.CustomFont() && control->Font().Color() != fontColor)
            control->Font().SetColor(fontColor);
    } else {
        bool own = section.IsValid() && !ForDialog();
        BareWindowColor = own ? section.Data().Color : int32_t(GetSysColor(COLOR_WINDOW));
    }
    data.CacheInvalid = true;
    IgnoreStyleChange = false;
}

void TacEditWnd::PrepareCache()
{
    PrepareFrame(false);
}

void TacEditWnd::PrepareFrame(bool refillCorners)
{
    TsCommonData& data = SkinData();
    RefreshPosition();
    Size size = WindowSize();
    if (size.width <= 0 || size.height <= 0 || !data.Section().IsValid())
        return;
    View24 pixels = data.CacheOfSize(size.width, size.height).Pixels24();
    TsBgSource behind = ParentBackground();
    TsSkinManager* manager = SkinManager();
    int32_t border = manager ? manager->Model().SkinData().BorderColor : kSkinKeyColor;
    if (ForDialog() && border != kSkinKeyColor) {
        FillRectColor(pixels, pixels.Bounds(), ToRgb24(InsideWindowColor(manager)));
        FillFrameBands(pixels, pixels.Bounds(), 1, 1, 1, 1, SkinRgb(border));
    } else {
        TsControlItemLook look;
        if (data.CustomColor() && Control())
            look.CustomColor = Rgb(Control()->Color());
        PaintControlItem(TsPaintTarget(pixels, behind), data.Section(), pixels.Bounds(), 0, look);
    }
    if (!IsEnabled()) {
        AdapterState().DisabledKinds = 0;
        SendSkinCommand(Window(), scQueryDisabledKind);
        if (TsDisabledKinds kinds = AdapterState().DisabledKinds)
            ApplyDisabledLook(pixels, kinds, data.ControlColor(false), {}, behind);
    }
    data.CacheInvalid = false;
    if (refillCorners && !ForDialog())
        if (const TsMaskData* mask = data.Section().Border())
            RefillBorderCorners(pixels, *mask, 0, kRefillAllCorners, behind);
}

Rect TacEditWnd::ClientInWindow() const
{
    RECT client{};
    GetClientRect(Window(), &client);
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    Rect window = WindowBounds();
    return Rect{int(client.left), int(client.top), int(client.right), int(client.bottom)}.Translated(-window.left,
                                                                                                     -window.top);
}

void TacEditWnd::CopyFrame(HDC dc)
{
    TBitmap* cache = SkinData().CacheBitmap();
    if (!cache || cache->Empty())
        return;
    // The frame between the window's edge and its client area; the bars are
    // painted over their part of it afterwards.
    SaveDcGuard saved(dc);
    Rect client = ClientInWindow();
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    cache->DrawTo(dc, 0, 0);
}

void TacEditWnd::NcPaint(TMessage& m)
{
    m.Result = 0;
    if (!IsVisible())
        return;
    TsCommonData& data = SkinData();
    RefreshPosition();
    data.Updating = data.PaintingSuspended();
    if (data.Updating)
        return;
    if (data.CacheInvalid) {
        if (!skinApplied_)
            ApplySkin();
        PrepareFrame(false);
    }
    WholeWindowDc dc(Window());
    CopyFrame(dc.Get());
    PaintBars(dc.Get());
}

void TacEditWnd::Paint(TMessage& m)
{
    if (SkinData().PaintingSuspended()) {
        PAINTSTRUCT ps;
        BeginPaint(Window(), &ps);
        EndPaint(Window(), &ps);
        m.Result = 0;
        return;
    }
    PaintBars();
    if (!skinApplied_)
        ApplySkin();
    CallOldHandler(m);
}

void TacEditWnd::EraseBackground(TMessage& m)
{
    if (SkinData().PaintingSuspended()) {
        m.Result = 1;
        return;
    }
    if (!skinApplied_)
        ApplySkin();
    // A form showing itself animated paints every frame into its own DC:
    // erasing the window's screen DC meanwhile would flash the bare colour.
    auto dc = reinterpret_cast<HDC>(m.WParam);
    if (SkinEngine().AnimationInProgress && (!dc || WindowFromDC(dc) == Window())) {
        m.Result = 1;
        return;
    }
    CallOldHandler(m);
}

void TacEditWnd::Print(TMessage& m)
{
    auto dc = reinterpret_cast<HDC>(m.WParam);
    TsCommonData& data = SkinData();
    data.Updating = false;
    data.CacheInvalid = true;
    if (!skinApplied_)
        ApplySkin();
    PrepareFrame(true);
    CopyFrame(dc);
    PaintBars(dc);
    SaveDcGuard saved(dc);
    Rect client = ClientInWindow();
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + client.left, origin.y + client.top, nullptr);
    IntersectClipRect(dc, 0, 0, client.Width(), client.Height());
    SendMessageA(Window(), WM_ERASEBKGND, m.WParam, 0);
    SendMessageA(Window(), WM_PAINT, m.WParam, 0);
    SendMessageA(Window(), WM_PRINTCLIENT, m.WParam, kPrintClientFlags);
    m.Result = 0;
}

bool TacEditWnd::HandleCommand(TMessage& m)
{
    TsCommonData& data = SkinData();
    switch (SkinCmdOf(m.WParam)) {
    case scRepaint:
        if (!FromOwnManager(m))
            return false;
        TacBaseWnd::WndProc(m);
        ApplySkin();
        return true;
    case scResumePainting:
        if (data.PaintingSuspended()) {
            data.Updating = false;
            RedrawWindow(Window(), nullptr, nullptr,
                         RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
        }
        m.Result = 0;
        return true;
    case scMakeCache:
        PrepareFrame(true);
        m.Result = 0;
        return true;
    case scQuerySectionIndex:
        m.Result = data.SectionIndex() + 1;
        return true;
    default:
        // The handled-query and the others are the base's.
        return false;
    }
}

void TacEditWnd::AfterMessage(const TMessage& m)
{
    switch (m.Msg) {
    case WM_SIZE:
        RepaintFrame();
        break;
    case WM_SETTEXT:  // the control sets its scroll ranges again
    case EM_REPLACESEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case CN_KEYDOWN:
    case CN_BASE + WM_KEYUP:
        if (!Busy)
            RefreshBars(true);
        break;
    default:
        break;
    }
}

void TacEditWnd::WndProc(TMessage& m)
{
    if (!IsActive()) {
        TacBaseWnd::WndProc(m);
        return;
    }
    switch (m.Msg) {
    case WM_NCPAINT:
        NcPaint(m);
        return;
    case WM_PAINT:
        if (IsVisible()) {
            Paint(m);
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (IsVisible()) {
            EraseBackground(m);
            return;
        }
        break;
    case WM_PRINT:
        Print(m);
        return;
    case CM_FONTCHANGED:
        RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
        break;
    case SM_SKINCMD:
        if (HandleCommand(m))
            return;
        break;
    default:
        break;
    }
    TacBaseWnd::WndProc(m);
    if (!Destroyed())
        AfterMessage(m);
}
