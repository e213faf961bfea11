// The form skinning component's handling of the form's messages: a short
// dispatch over the message families (painting, the mouse on the frame, the
// window's state, the toolkit's notifications), each a table of named handlers.

#include "skin/forms/sSkinProvider.h"

#include <utility>

#include "skin/adapters/acCtrlAdapter.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/FormAnimation.h"
#include "skin/frame/ScreenSnap.h"
#include "skin/paint/MaskFrames.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"

namespace {

// Sent by the system's visual-styles layer to a window with a menu bar when it
// prepares to draw that bar themed (undocumented; LParam points to its menu
// record). The form's default handling would draw the themed bar over the
// skin's frame, so the skinned form answers 0 itself.
constexpr UINT kUahInitMenu = 0x93;

}  // namespace

void TsSkinProvider::HandleMessage(TMessage& m)
{
    if (m.Msg == SM_SKINCMD) {
        HandleSkinCommand(m);
        return;
    }
    if (m.Msg == WM_CREATE) {
        Created(m);
        return;
    }
    if (!Skinned() || !form_->HandleAllocated()) {
        Pass(m);
        return;
    }
    if (PaintMessage(m) || FrameMouseMessage(m) || WindowStateMessage(m) || NotificationMessage(m))
        return;
    Pass(m);
}

void TsSkinProvider::Created(TMessage& m)
{
    savedTitle_.reset();
    Pass(m);
    InitializeSkin();
}

bool TsSkinProvider::PaintMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCPAINT:
        NcPaint(m);
        return true;
    case WM_NCACTIVATE:
        Activation(m);
        return true;
    case WM_SETTEXT:
        TextChange(m);
        return true;
    case WM_ERASEBKGND:
        m.Result = 1;  // the background comes with WM_PAINT, from the cache
        return true;
    case WM_PAINT: {
        PaintDc dc(form_->Handle(), m.WParam);
        PaintClient(dc.Get(), dc.Area());
        m.Result = 0;
        return true;
    }
    case WM_PRINT:
        PrintWindowInto(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return true;
    case WM_PRINTCLIENT:
    case kUahInitMenu:
    case CM_INVALIDATE:
    case kQueryKeepShape:
    case WM_ENTERIDLE:
        m.Result = 0;
        return true;
    default:
        return false;
    }
}

void TsSkinProvider::NcPaint(TMessage& m)
{
    if (pendingFadeIn_) {
        unsigned time = std::exchange(pendingFadeIn_, 0);
        SendMessageA(form_->Handle(), WM_SETREDRAW, FALSE, 0);
        UpdateRegion();
        AnimateFormShow(form_, time);
    } else if (!animating_) {
        WholeWindowDc windowDc(form_->Handle());
        OutputFrame(windowDc.Get());
    }
    m.Result = 0;
}

bool TsSkinProvider::FrameMouseMessage(TMessage& m)
{
    if (caption_.Handle(m))
        return true;
    switch (m.Msg) {
    case WM_NCMOUSEMOVE:
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, form_->Handle(), 0};
            trackingLeave_ = TrackMouseEvent(&track);
        }
        Pass(m);
        return true;
    case WM_NCMOUSELEAVE:
        trackingLeave_ = false;
        caption_.SetHotHitCode(0);
        Pass(m);
        return true;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        caption_.SetHotHitCode(0);
        Pass(m);
        return true;
    case WM_MOUSEMOVE:
        Pass(m);
        if (hotHitCode_ != 0)
            caption_.SetHotHitCode(0);
        ClearHotWindow(form_->Handle());
        return true;
    default:
        return false;
    }
}

bool TsSkinProvider::WindowStateMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_SYSCOMMAND:
        SysCommand(m);
        return true;
    case WM_SIZE:
        Resized(m);
        return true;
    case WM_WINDOWPOSCHANGING:
        PositionChanging(m);
        return true;
    case WM_SHOWWINDOW:
        if (m.WParam)
            showState_ = IsIconic(form_->Handle()) ? 2 : IsZoomed(form_->Handle()) ? 3 : 1;
        Pass(m);
        return true;
    case WM_ACTIVATE:
        Activated(m);
        return true;
    case WM_SETTINGCHANGE:
        skinData_->CacheInvalid = true;
        savedTitle_.reset();
        Pass(m);
        if (TsSkinManager* manager = SkinManager())
            manager->SystemSettingChanged(reinterpret_cast<const char*>(m.LParam));
        return true;
    default:
        return false;
    }
}

void TsSkinProvider::Resized(TMessage& m)
{
    HWND window = form_->Handle();
    RECT c;
    GetClientRect(window, &c);
    Size client{c.right, c.bottom};
    if (client != clientSize_) {
        InvalidateStaleCorners(client);
        savedTitle_.reset();  // a gradient over the window's height moves with it
    }
    clientSize_ = client;
    Pass(m);
    TBitmap* cache = skinData_->CacheBitmap();
    RECT w;
    GetWindowRect(window, &w);
    bool resized = !cache || cache->Width() != w.right - w.left || cache->Height() != w.bottom - w.top;
    if (IsWindowVisible(window) && !animating_ && resized && !IsIconic(window)) {
        regionApplied_ = false;
        skinData_->CacheInvalid = true;
        SendMessageA(window, WM_NCPAINT, 1, 0);
    }
}

// The form's class does not redraw its client on a size change, so what the
// skin draws relative to the window's right edge or over its whole size
// would stay where it was: the right corner images (at the old and at the new
// corners) and, with a gradient, the whole client.
void TsSkinProvider::InvalidateStaleCorners(Size client)
{
    HWND window = form_->Handle();
    const TsSectionRef& section = skinData_->Section();
    if (section.Data().GradientPercent > 0 || section.Data().HotGradientPercent > 0) {
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    Point offset = ClientOffset();
    RECT w;
    GetWindowRect(window, &w);
    const Size now{w.right - w.left, w.bottom - w.top};
    const Size before{now.width + clientSize_.width - client.width, now.height + clientSize_.height - client.height};
    for (TsCorner corner : {kCornerTopRight, kCornerBottomRight}) {
        const TsMaskData* image = section.Mask(section.CornerImages[corner]);
        if (!image)
            continue;
        Size size = MaskFrameSize(*image);
        for (Size window : {before, now}) {
            int top = corner == kCornerTopRight ? 0 : window.height - size.height;
            RECT r = ToRECT(Rect::FromSize(window.width - size.width, top, size.width, size.height)
                                .Translated(-offset.x, -offset.y));
            InvalidateRect(form_->Handle(), &r, FALSE);
        }
    }
}

void TsSkinProvider::PositionChanging(TMessage& m)
{
    auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
    HWND window = form_->Handle();
    if (ScreenSnap && pos && !(pos->flags & SWP_NOMOVE) && !IsZoomed(window) && (pos->x != 0 || pos->y != 0)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        RECT w;
        GetWindowRect(window, &w);
        if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
            int width = (pos->flags & SWP_NOSIZE) ? w.right - w.left : pos->cx;
            int height = (pos->flags & SWP_NOSIZE) ? w.bottom - w.top : pos->cy;
            Point snapped = SnapToWorkArea({pos->x, pos->y, pos->x + width, pos->y + height},
                                           FromRECT(monitor.rcWork), SnapBuffer);
            pos->x = snapped.x;
            pos->y = snapped.y;
        }
    }
    Pass(m);
}

void TsSkinProvider::Activated(TMessage& m)
{
    HWND window = form_->Handle();
    if (!IsWindowVisible(window)) {
        Pass(m);
        return;
    }
    {
        // The window system would show its own look of the activated frame.
        RedrawOffGuard quiet(window);
        Pass(m);
    }
    if (form_->ControlState & csCreating)
        return;
    UpdateSystemMenu();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool TsSkinProvider::NotificationMessage(TMessage& m)
{
    switch (m.Msg) {
    case CM_SHOWINGCHANGED:
        // Controls made since the skin came are adapted before the form shows.
        if (m.WParam)
            AttachAdapters();
        Showing(m);
        return true;
    case WM_PARENTNOTIFY:
        ParentNotify(m);
        return true;
    case CM_CONTROLLISTCHANGE:
        ControlListChange(m);
        return true;
    case CM_VISIBLECHANGED:
        Pass(m);
        if (!m.WParam)
            skinData_->EmptyCache();
        return true;
    case CM_ENABLEDCHANGED:
        Pass(m);
        skinData_->CacheInvalid = true;
        SendMessageA(form_->Handle(), WM_NCPAINT, 1, 0);
        return true;
    case CM_COLORCHANGED:
        if (skinData_->CustomColor()) {
            skinData_->CacheInvalid = true;
            Pass(m);
        }
        return true;
    case CM_MENUCHANGED:
        if (IsWindowVisible(form_->Handle()) && !(form_->ControlState & csCreating))
            fullTitleRepaint_ = true;
        Pass(m);
        return true;
    default:
        return false;
    }
}

void TsSkinProvider::ParentNotify(TMessage& m)
{
    Pass(m);
    WORD event = LOWORD(m.WParam);
    if ((event != WM_CREATE && event != WM_DESTROY) || IsLoading() || form_->IsLoading())
        return;
    if (event == WM_CREATE)
        AttachAdapters();
    // A new or gone window changes what lies under its neighbours.
    PassToChildren(form_, SkinCmdParam(scOpaqueState), 1);
}

void TsSkinProvider::ControlListChange(TMessage& m)
{
    Pass(m);
    auto* control = reinterpret_cast<TControl*>(m.WParam);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!m.LParam || !windowed || control->IsDestroying())
        return;
    if (form_->HandleAllocated())
        AttachAdapters(windowed->Parent() ? windowed->Parent() : form_);
    MakeOpaqueToChildren(windowed);
}

void TsSkinProvider::MakeOpaqueToChildren(TWinControl* control)
{
    // The control and each of its children recompute what lies under them;
    // the control once more, after its children.
    SendSkinCommand(control, scOpaqueState, 0, 1);
    PassToChildren(control, SkinCmdParam(scOpaqueState), 1);
    SendSkinCommand(control, scOpaqueState, 0, 1);
}
