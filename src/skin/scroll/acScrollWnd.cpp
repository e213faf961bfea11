#include "skin/scroll/acScrollWnd.h"

#include <windowsx.h>

#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"
#include "skin/scroll/acScrollTracking.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

namespace {

constexpr WPARAM kSysCommandVScroll = SC_VSCROLL + HTVSCROLL;  // 0xF077
constexpr WPARAM kSysCommandHScroll = SC_HSCROLL + HTHSCROLL;  // 0xF086

bool IsBarHit(WPARAM hit)
{
    return hit == HTHSCROLL || hit == HTVSCROLL;
}

// Where the pointer is at a repeat tick: a timer message carries no
// position of its own.
Point CursorPoint()
{
    POINT p{};
    GetCursorPos(&p);
    return {int(p.x), int(p.y)};
}

// The screen point of a client-area mouse message.
Point MessagePointOf(HWND window, LPARAM lParam)
{
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &p);
    return {int(p.x), int(p.y)};
}

Rect WindowRectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {int(r.left), int(r.top), int(r.right), int(r.bottom)};
}

const TsMaskData* GripImage(const TsSkinModel& model)
{
    int global = model.CommonIndexes().GlobalInfo;
    int index = model.GetMaskIndex(global, "GLOBALINFO", "GRIPIMAGE");
    return model.IsValidMaskIndex(index) ? &model.Masks()[std::size_t(index)] : nullptr;
}

// A window DC for a scope: the one given, else the window's own.
class BarDc {
public:
    BarDc(HWND window, HDC given) : window_(window), dc_(given)
    {
        if (!dc_) {
            dc_ = GetWindowDC(window_);
            owned_ = true;
        }
    }
    BarDc(const BarDc&) = delete;
    BarDc& operator=(const BarDc&) = delete;
    ~BarDc()
    {
        if (owned_ && dc_)
            ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    bool owned_ = false;
};

}  // namespace

TacScrollWnd::TacScrollWnd(HWND window, const std::string& section, TsSkinManager* manager, TsCommonData* skinData)
    : TacMainWnd(window, section, manager, skinData)
{
}

TacScrollWnd::~TacScrollWnd() = default;

int TacScrollWnd::DefaultArrow()
{
    static const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    return arrow;
}

void TacScrollWnd::BeforeSubclass()
{
    Busy = false;
    for (TsBarKind kind : {kBarHorizontal, kBarVertical}) {
        bars_[std::size_t(kind)] = std::make_unique<TacScrollBar>(kind, *this);
        Bar(kind).ReadInfo(Window());
    }
    LONG style = GetWindowLongA(Window(), GWL_STYLE);
    layout_.BarsOnLeft = GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR;
    HorizontalBar().Present = style & WS_HSCROLL;
    VerticalBar().Present = style & WS_VSCROLL;
    ResolveBarSkins();
}

void TacScrollWnd::AfterSubclass(bool subclass)
{
    if (subclass)
        RecalculateFrame();
}

void TacScrollWnd::RecalculateFrame()
{
    SetWindowPos(Window(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TacScrollWnd::DetachLayer()
{
    StopTracking();
    bars_ = {};
    if (IsVisible())
        RecalculateFrame();  // the system's own frame and bars come back
}

void TacScrollWnd::StopTracking()
{
    TacScrollTracking& t = ScrollTracking();
    if (t.HoverWindow != Window())
        return;
    if (t.HoverTimer)
        KillTimer(Window(), kHoverTimer);
    if (t.RepeatTimer)
        KillTimer(Window(), t.RepeatTimer);
    bool held = t.PressedPart != kPartNone;
    t.EndHover();
    t.EndPress();
    t.HoverWindow = nullptr;
    Dragging = false;
    if (held && GetCapture() == Window()) {
        releasing_ = true;
        ReleaseCapture();
        releasing_ = false;
    }
}

void TacScrollWnd::ResolveBarSkins()
{
    TsSkinManager* manager = SkinManager();
    const TsSkinModel* model = manager ? &manager->Model() : nullptr;
    barSkins_[kBarHorizontal] = TsScrollBarSkin::Resolve(model, kBarHorizontal);
    barSkins_[kBarVertical] = TsScrollBarSkin::Resolve(model, kBarVertical);
}

int TacScrollWnd::PaintedArrow(TsBarKind kind) const
{
    TsSkinManager* manager = SkinManager();
    return manager ? PaintedArrowLength(manager->Model(), kind, DefaultArrow()) : DefaultArrow();
}

Rect TacScrollWnd::BarRect(TsBarKind kind) const
{
    return ::BarRect(WindowRectOf(Window()), layout_, kind);
}

Rect TacScrollWnd::InWindow(const Rect& screen) const
{
    Rect window = WindowRectOf(Window());
    return screen.Translated(-window.left, -window.top);
}

bool TacScrollWnd::BarEnabled(TsBarKind kind) const
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    LONG object = kind == kBarHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL;
    return GetScrollBarInfo(Window(), object, &info) && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
}

TsThumb TacScrollWnd::ThumbMetrics(TsBarKind kind, const Rect& bar) const
{
    const TacScrollBar& b = *bars_[std::size_t(kind)];
    return ::ThumbMetrics(b.Info(), SpanOf(bar, kind), DefaultArrow(), b.MinThumb);
}

TsBarPart TacScrollWnd::PartAt(TsBarKind kind, const Rect& bar, Point p) const
{
    const TacScrollBar& b = *bars_[std::size_t(kind)];
    return ::PartAt(b.Info(), bar, kind, p, DefaultArrow(), b.MinThumb);
}

TsBgSource TacScrollWnd::BackgroundAt(const Rect& rect)
{
    TsBgQuery q;
    q.Area = rect;
    SendSkinCommand(Window(), scQueryBackground, 0, reinterpret_cast<LPARAM>(&q));
    if (q.Kind == 0) {
        q.Kind = 1;
        q.Color = SkinData().ControlColor(false);
    }
    TsBgSource source = QueryToSource(q);
    return source.HasImage() ? ShiftedBg(source, {rect.left, rect.top}) : source;
}

void TacScrollWnd::ComposeBar(TsBarKind kind, HDC dc, const Rect& rect, const TsBarPlan& plan)
{
    TBitmap& canvas = Bar(kind).Canvas({rect.Width(), rect.Height()});
    PaintScrollBar(canvas.Pixels24(), kind, barSkins_[std::size_t(kind)], plan, BackgroundAt(rect));
    canvas.DrawTo(dc, rect.left, rect.top);
}

void TacScrollWnd::PaintBar(TsBarKind kind, HDC dc, const Rect& rect, int shownPressedPart)
{
    if (Dragging || !bars_[std::size_t(kind)] || !BarVisible(kind) || (kind == kBarVertical && Busy) ||
        !SkinManager() || !barSkins_[std::size_t(kind)].IsValid())
        return;
    const int length = SpanOf(rect, kind).Length();
    if (length < 2)
        return;
    TacScrollBar& bar = Bar(kind);
    bar.ReadInfo(Window());
    TControl* owner = SkinData().OwnerControl();
    bool enabled = BarEnabled(kind) && (!owner || owner->Enabled());
    const TacScrollTracking& t = ScrollTracking();
    bool here = t.HoverWindow == Window();
    int hover = here && t.HoverBar == kind && enabled ? t.HoverPart : kPartNone;
    int pressed = here ? shownPressedPart : kPartNone;
    TsBarPlan plan = PlanBar(bar.Info(), length, PaintedArrow(kind), DefaultArrow(), BarStatesOf(hover, pressed),
                             enabled, bar.MinThumb);
    ComposeBar(kind, dc, rect, plan);
}

void TacScrollWnd::PaintDraggedBar(TsBarKind kind, int thumbStart)
{
    Rect rect = InWindow(BarRect(kind));
    int length = SpanOf(rect, kind).Length();
    if (length < 2 || !barSkins_[std::size_t(kind)].IsValid())
        return;
    TsBarPlan plan =
        PlanDraggedBar(length, PaintedArrow(kind), DefaultArrow(), thumbStart, ScrollTracking().Drag.ThumbSize);
    BarDc dc(Window(), nullptr);
    ComposeBar(kind, dc.Get(), rect, plan);
}

void TacScrollWnd::RepaintBar(TsBarKind kind)
{
    const TacScrollTracking& t = ScrollTracking();
    BarDc dc(Window(), nullptr);
    PaintBar(kind, dc.Get(), InWindow(BarRect(kind)), t.PressedBar == kind ? t.ShownPressedPart : kPartNone);
}

bool TacScrollWnd::InGripCorner() const
{
    HWND parent = GetParent(Window());
    if (!parent)
        return false;
    // A parent without the child style is a top-level window (GetParent of
    // a top-level window gives its owner, if any).
    bool topLevel = !(GetWindowLongA(parent, GWL_STYLE) & WS_CHILD);
    RECT client{};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
    Rect box = CornerBoxRect(WindowRectOf(Window()), layout_);
    return IsGripCorner(box, layout_, topLevel,
                        {int(client.left), int(client.top), int(client.right), int(client.bottom)});
}

void TacScrollWnd::PaintCorner(HDC dc, const Rect& windowRect)
{
    Rect box = CornerBoxRect(windowRect, layout_).Translated(-windowRect.left, -windowRect.top);
    if (box.IsEmpty())
        return;
    if (cornerCanvas_.Empty() || cornerCanvas_.Width() != box.Width() || cornerCanvas_.Height() != box.Height())
        cornerCanvas_.SetSize(box.Width(), box.Height(), TPixelFormat::pf24bit);
    TsSkinManager* manager = SkinManager();
    const TsMaskData* grip = manager && InGripCorner() ? GripImage(manager->Model()) : nullptr;
    PaintCornerBox(cornerCanvas_.Pixels24(), BackgroundAt(box), grip);
    cornerCanvas_.DrawTo(dc, box.left, box.top);
}

void TacScrollWnd::PaintBars(HDC dc)
{
    TsCommonData& data = SkinData();
    data.Updating = data.PaintingSuspended();
    if (data.Updating || OwnerBeingCreated() || !IsVisible() || !bars_[0])
        return;
    if (data.CacheInvalid)
        SendSkinCommand(Window(), scMakeCache);
    BarDc target(Window(), dc);
    const TacScrollTracking& t = ScrollTracking();
    Rect window = WindowRectOf(Window());
    for (TsBarKind kind : {kBarHorizontal, kBarVertical})
        if (BarVisible(kind))
            PaintBar(kind, target.Get(), ::BarRect(window, layout_, kind).Translated(-window.left, -window.top),
                     t.PressedBar == kind ? t.ShownPressedPart : kPartNone);
    if (layout_.HVisible && layout_.VVisible)
        PaintCorner(target.Get(), window);
}

void TacScrollWnd::RefreshBars(bool repaint)
{
    if (!bars_[0])
        return;
    HorizontalBar().ReadInfo(Window());
    VerticalBar().ReadInfo(Window());
    if (repaint && !SkinEngine().AnimationInProgress)
        PaintBars();
}

void TacScrollWnd::SendScroll(UINT message, int code, int position)
{
    LPARAM what = MAKELPARAM(code, message);
    LRESULT keepsPosition = SendSkinCommand(Window(), scRedrawOff, 0, what);
    if (keepsPosition == 0 && code == SB_THUMBTRACK) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_POS;
        si.nPos = position;
        SetScrollInfo(Window(), message == WM_HSCROLL ? SB_HORZ : SB_VERT, &si, FALSE);
    }
    SendMessageA(Window(), message, MAKEWPARAM(code, position), 0);
    SendSkinCommand(Window(), scRedrawOn, 0, what);
}

void TacScrollWnd::CalcNonClientSize(TMessage& m)
{
    RECT* r = m.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0] : reinterpret_cast<RECT*>(m.LParam);
    Rect before{int(r->left), int(r->top), int(r->right), int(r->bottom)};
    LONG style = GetWindowLongA(Window(), GWL_STYLE);
    const LONG bars = WS_HSCROLL | WS_VSCROLL;
    if (style & bars) {
        // The system reserves no room for its own bars: they are hidden from
        // it while it computes the client area.
        FlagGuard ignoring(IgnoreStyleChange);
        StrippedStyleGuard stripped(Window(), bars);
        CallOldHandler(m);
    } else {
        CallOldHandler(m);
    }
    layout_.Frame = {int(r->left) - before.left, int(r->top) - before.top, before.right - int(r->right),
                     before.bottom - int(r->bottom)};
    layout_.HThickness = GetSystemMetrics(SM_CYHSCROLL);
    layout_.VThickness = GetSystemMetrics(SM_CXVSCROLL);
    HorizontalBar().Present = style & WS_HSCROLL;
    VerticalBar().Present = style & WS_VSCROLL;
    Rect client = ReserveBarRoom({int(r->left), int(r->top), int(r->right), int(r->bottom)},
                                 HorizontalBar().Present, VerticalBar().Present, layout_);
    *r = {client.left, client.top, client.right, client.bottom};
}

void TacScrollWnd::HitTest(TMessage& m)
{
    Point p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TsNcHit hit = BarHitTest(p, WindowRectOf(Window()), layout_, [this](TsBarKind k) { return BarEnabled(k); },
                             [this] { return InGripCorner(); });
    if (hit == kHitOther)
        CallOldHandler(m);
    else
        m.Result = hit;
}

void TacScrollWnd::NonClientMouseMove(TMessage& m)
{
    TacScrollTracking& t = ScrollTracking();
    if (t.HoverWindow != Window() && t.HoverWindow && IsWindow(t.HoverWindow) && t.HoverTimer) {
        // The bars of the window hovered before lose their hot look there at its next tick.
        t.EndHover();
    }
    t.HoverWindow = Window();
    if (IsBarHit(m.WParam)) {
        int kind = m.WParam == HTHSCROLL ? kBarHorizontal : kBarVertical;
        if (kind != t.HoverBar) {
            t.HoverPart = t.LastHoverPart = kPartNone;
            t.HoverRect = BarRect(TsBarKind(kind));
            t.HoverBar = kind;
            t.HoverTimer = SetTimer(Window(), kHoverTimer, kHoverInterval, nullptr);
            PaintBars();
        }
    }
    CallOldHandler(m);
}

void TacScrollWnd::HoverTick()
{
    TacScrollTracking& t = ScrollTracking();
    if (Dragging)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    bool mine = t.HoverWindow == Window() && t.HoverBar >= 0;
    if (mine && t.HoverRect.Contains({int(cursor.x), int(cursor.y)})) {
        auto kind = TsBarKind(t.HoverBar);
        Bar(kind).ReadInfo(Window());
        t.HoverPart = PartAt(kind, t.HoverRect, {int(cursor.x), int(cursor.y)});
        if (t.HoverPart != t.LastHoverPart)
            RepaintBar(kind);
        t.LastHoverPart = t.HoverPart;
        return;
    }
    KillTimer(Window(), kHoverTimer);
    if (mine)
        t.EndHover();
    PaintBars();
}

void TacScrollWnd::Press(TMessage& m)
{
    TacScrollTracking& t = ScrollTracking();
    t.HoverWindow = Window();
    auto kind = m.WParam == HTHSCROLL ? kBarHorizontal : kBarVertical;
    t.ScrollMessage = kind == kBarHorizontal ? WM_HSCROLL : WM_VSCROLL;
    t.PressedBar = kind;
    Point p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    Rect bar = BarRect(kind);
    Bar(kind).ReadInfo(Window());
    t.PressedPart = PartAt(kind, bar, p);
    switch (t.PressedPart) {
    case kPartFirstArrow:
    case kPartSecondArrow:
    case kPartTrackBefore:
    case kPartTrackAfter:
        t.ShownPressedPart = t.PressedPart;
        RepaintBar(kind);
        SendScroll(t.ScrollMessage, t.PressedPart, 0);
        t.RepeatTimer = SetTimer(Window(), kFirstRepeatTimer, kFirstRepeatDelay, nullptr);
        break;
    case kPartThumb: {
        t.Drag = BeginThumbDrag(Bar(kind).Info(), bar, kind, p, DefaultArrow(), Bar(kind).MinThumb);
        t.DragRect = bar;
        Dragging = true;
        Bar(kind).SetTrackPos(Bar(kind).Info().Pos);
        t.LastTrackValue = Bar(kind).Info().Pos;
        int thumbStart = AlongOf(p, kind) - t.Drag.GrabOffset;
        PaintDraggedBar(kind, thumbStart - SpanOf(bar, kind).Start);
        break;
    }
    default:
        CallOldHandler(m);
        break;
    }
    if (t.PressedPart != kPartNone) {
        SetCapture(Window());
        m.Result = 0;
    } else {
        t.EndPress();
    }
}

bool TacScrollWnd::HeldMouseMove(Point pointer)
{
    TacScrollTracking& t = ScrollTracking();
    if (t.PressedPart == kPartNone || t.HoverWindow != Window())
        return false;
    if (Dragging) {
        DragStep(pointer);
        return true;
    }
    auto kind = TsBarKind(t.PressedBar);
    Bar(kind).ReadInfo(Window());
    TsBarPart under = PartAt(kind, BarRect(kind), pointer);
    int shown = under == t.PressedPart ? int(under) : kPartNone;
    if (shown != t.ShownPressedPart) {
        t.ShownPressedPart = shown;
        RepaintBar(kind);
    }
    return true;
}

void TacScrollWnd::DragStep(Point pointer)
{
    TacScrollTracking& t = ScrollTracking();
    auto kind = TsBarKind(t.PressedBar);
    int start = DraggedThumbStart(t.Drag, AlongOf(pointer, kind));
    int32_t value = DraggedValue(t.Drag, Bar(kind).Info(), start);
    if (value != t.LastTrackValue) {
        Bar(kind).SetTrackPos(value);
        FlagGuard busy(Busy);
        SendScroll(t.ScrollMessage, SB_THUMBTRACK, value);
    }
    t.LastTrackValue = value;
    // Painted after the message: the control may have had the system draw
    // its own bar while it scrolled.
    PaintDraggedBar(kind, start - SpanOf(t.DragRect, kind).Start);
}

void TacScrollWnd::RepeatTick(UINT_PTR timer)
{
    TacScrollTracking& t = ScrollTracking();
    if (timer == kFirstRepeatTimer) {
        KillTimer(Window(), kFirstRepeatTimer);
        t.RepeatTimer = SetTimer(Window(), kRepeatTimer, kRepeatInterval, nullptr);
        return;
    }
    HeldMouseMove(CursorPoint());
    if (t.ShownPressedPart == kPartNone)
        return;
    FlagGuard busy(Busy);
    SendScroll(t.ScrollMessage, t.ShownPressedPart, 0);
}

void TacScrollWnd::Release(bool releaseCapture)
{
    TacScrollTracking& t = ScrollTracking();
    auto kind = TsBarKind(t.PressedBar);
    if (releaseCapture) {
        releasing_ = true;
        ReleaseCapture();
        releasing_ = false;
    }
    UINT message = t.ScrollMessage;
    if (t.PressedPart == kPartThumb) {
        if (Dragging) {
            Busy = true;
            SendScroll(message, SB_THUMBPOSITION, t.LastTrackValue);
            Dragging = false;
        }
        Busy = true;
        SendScroll(message, SB_ENDSCROLL, t.LastTrackValue);
    } else {
        if (t.RepeatTimer)
            KillTimer(Window(), t.RepeatTimer);
        Busy = true;
        SendScroll(message, SB_ENDSCROLL, 0);
    }
    Busy = false;
    Dragging = false;
    t.EndPress();
    RepaintBar(kind);
}

void TacScrollWnd::Timer(TMessage& m)
{
    switch (m.WParam) {
    case kHoverTimer:
        HoverTick();
        m.Result = 0;
        return;
    case kFirstRepeatTimer:
    case kRepeatTimer:
        if (ScrollTracking().HoverWindow == Window() && ScrollTracking().PressedPart != kPartNone)
            RepeatTick(m.WParam);
        else
            KillTimer(Window(), m.WParam);
        m.Result = 0;
        break;
    default:
        CallOldHandler(m);
        break;
    }
    if (!Busy && !Dragging)
        RefreshBars(true);
}

bool TacScrollWnd::HandleLayerCommand(TMessage& m)
{
    TsCommonData& data = SkinData();
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
    case scRepaint:
        if (FromOwnManager(m)) {
            data.ResolveIndexes();
            ResolveBarSkins();
        }
        break;
    case scSkinRemoved:
        if (FromOwnManager(m))
            RestoreControlState();
        break;
    case scResumePainting:
        if (data.PaintingSuspended()) {
            data.Updating = false;
            RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
        }
        break;
    case scSetUpdating:
        data.Updating = SkinCmdArgument(m.WParam) == 1;
        break;
    case scQueryBackground: {
        CallOldHandler(m);
        auto* query = reinterpret_cast<TsBgQuery*>(m.LParam);
        if (query && query->Kind == 0)
            data.AnswerBackground(*query);
        return true;
    }
    default:
        // The answers of the base (handled-query, colour, cache state...).
        if (HandleSkinCommand(m))
            return true;
        break;
    }
    CallOldHandler(m);
    return true;
}

// The mouse on the bars: hit tests, hovering, pressing, holding and
// releasing their parts, and the repeat and hover timers.
bool TacScrollWnd::HandleBarMouse(TMessage& m)
{
    TacScrollTracking& t = ScrollTracking();
    switch (m.Msg) {
    case WM_NCHITTEST:
        HitTest(m);
        return true;
    case WM_NCMOUSEMOVE:
        NonClientMouseMove(m);
        return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (IsBarHit(m.WParam)) {
            Press(m);
            return true;
        }
        t.PressedPart = kPartNone;
        return false;
    case WM_MOUSEMOVE:
        if (!HeldMouseMove(MessagePointOf(Window(), m.LParam)))
            return false;
        m.Result = 0;
        return true;
    case WM_LBUTTONUP:
        if (t.PressedPart != kPartNone && t.HoverWindow == Window())
            Release(true);
        return false;
    case WM_CAPTURECHANGED:
        // A press that loses the mouse to another window ends as if released.
        if (!releasing_ && t.PressedPart != kPartNone && t.HoverWindow == Window())
            Release(false);
        return false;
    case WM_TIMER:
        Timer(m);
        return true;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        if (!IsBarHit(m.WParam))
            return false;
        m.Result = 0;
        return true;
    default:
        return false;
    }
}

// The window's frame: its size with the bars, its style, the window
// system's own bar tracking (kept off) and the keyboard cues.
bool TacScrollWnd::HandleFrameMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCCALCSIZE:
        CalcNonClientSize(m);
        return true;
    case WM_SYSCOMMAND:
        if (m.WParam != kSysCommandVScroll && m.WParam != kSysCommandHScroll)
            return false;
        m.Result = 0;
        return true;
    case WM_STYLECHANGED:
        if (IgnoreStyleChange) {
            m.Result = 0;
            return true;
        }
        if (m.WParam == WPARAM(GWL_EXSTYLE))
            layout_.BarsOnLeft = reinterpret_cast<const STYLESTRUCT*>(m.LParam)->styleNew & WS_EX_LEFTSCROLLBAR;
        return false;
    case CM_ACTIVATEAPP:
        if (WindowSize().width <= 0)
            return false;
        CallOldHandler(m);
        SetWindowPos(Window(), nullptr, 0, 0, WindowSize().width, WindowSize().height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOCOPYBITS | SWP_NOOWNERZORDER |
                         SWP_NOSENDCHANGING);
        return true;
    case WM_UPDATEUISTATE:
        m.Result = 0;
        return true;
    default:
        return false;
    }
}

// Messages after which the control may have scrolled: the control handles
// them, then the bars show its new position.
bool TacScrollWnd::HandleScrollingMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSEWHEEL:
    case CM_MOUSEWHEEL:
        CallOldHandler(m);
        if (!Busy)
            RefreshBars(true);
        return true;
    case CM_FOCUSCHANGED:
        CallOldHandler(m);
        RefreshBars(true);
        return true;
    default:
        return false;
    }
}

bool TacScrollWnd::HandleLayerMessage(TMessage& m)
{
    if (m.Msg == SM_SKINCMD)
        return HandleLayerCommand(m);
    return HandleBarMouse(m) || HandleFrameMessage(m) || HandleScrollingMessage(m);
}

void TacScrollWnd::WndProc(TMessage& m)
{
    if (bars_[0] && IsActive() && HandleLayerMessage(m))
        return;
    TacMainWnd::WndProc(m);
}
