#include "toolkit/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

#include "core/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr const char* ControlProperty = "PvxControl";
thread_local TWinControl* creatingControl = nullptr;

// Window procedures of the standard classes we superclass, by our class name.
std::map<std::string, WNDPROC>& BaseProcedures()
{
    static std::map<std::string, WNDPROC> procedures;
    return procedures;
}

WNDPROC BaseProcedureOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    auto it = BaseProcedures().find(name);
    return it != BaseProcedures().end() ? it->second : DefWindowProcW;
}

int nextChildId = 100;

bool IsMouseMessage(UINT msg)
{
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

bool IsButtonDown(UINT msg)
{
    return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN;
}

bool IsButtonUp(UINT msg)
{
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    Destroying();
    // The links in the control's chain (adapters, the form's skin) let go
    // while the control and its window are whole.
    MessageChain().End(true);
    DestroyComponents();
    while (!controls_.empty())
        controls_.back()->SetParent(nullptr);
    if (handle_) {
        HWND window = handle_;
        Detach();
        DestroyWindow(window);
    }
    if (Parent())
        Parent()->RemoveControl(this);
}

TWinControl* TWinControl::FromHandle(HWND window)
{
    return window ? static_cast<TWinControl*>(GetPropA(window, ControlProperty)) : nullptr;
}

HWND TWinControl::Handle()
{
    if (!handle_)
        CreateWnd();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& p)
{
    p.WindowClass = ClassName();
    p.Caption = text_;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_)
        p.Style |= WS_VISIBLE;
    if (!enabled_)
        p.Style |= WS_DISABLED;
    if (ControlStyle & csAcceptsControls)
        p.Style |= WS_CLIPCHILDREN;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    if (Parent())
        p.WndParent = Parent()->Handle();
}

// Every window of the toolkit is a wide (Unicode) window, run by a wide message
// loop: a character typed in any script then reaches an edit whole, where a
// single-byte window receives "?" for it (measured under Wine 8 with UTF-8 as
// the code page). The single-byte text calls made on these windows convert
// through the system code page.
void TWinControl::CreateWnd()
{
    TCreateParams p;
    CreateParams(p);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring className = FromSystemCodePage(p.WindowClass);

    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, className.c_str(), &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        if (p.BaseClass) {
            WNDCLASSEXW base{};
            base.cbSize = sizeof base;
            if (!GetClassInfoExW(nullptr, FromSystemCodePage(p.BaseClass).c_str(), &base))
                throw Exception("Cannot find window class " + std::string(p.BaseClass));
            wc = base;
            BaseProcedures()[p.WindowClass] = base.lpfnWndProc;
        } else {
            wc.style = p.ClassStyle;
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        }
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = InitialWindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = className.c_str();
        if (!RegisterClassExW(&wc))
            throw Exception("Cannot register window class " + p.WindowClass);
    }
    standardClass_ = p.BaseClass != nullptr;
    defWndProc_ = standardClass_ ? BaseProcedures()[p.WindowClass] : DefWindowProcW;

    HMENU id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(INT_PTR(nextChildId++)) : nullptr;
    ControlState |= csCreating;
    creatingControl = this;
    HWND window = CreateWindowExW(p.ExStyle, className.c_str(), FromSystemCodePage(p.Caption).c_str(),
                                  p.Style, p.X, p.Y, p.Width, p.Height, p.WndParent, id, instance,
                                  nullptr);
    creatingControl = nullptr;
    ControlState &= ~csCreating;
    if (!window)
        throw Exception("Cannot create window " + p.WindowClass);
    if (!handle_)
        Attach(window);
    InitializeWindow();
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->handle_)
            w->CreateWnd();
}

void TWinControl::InitializeWindow()
{
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::DestroyWnd()
{
    if (!handle_)
        return;
    text_ = Text();
    MessageChain().End(false);
    HWND window = handle_;
    Detach();
    DestroyWindow(window);
}

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    DestroyWnd();
    CreateWnd();
}

void TWinControl::Attach(HWND window)
{
    handle_ = window;
    SetPropA(window, ControlProperty, this);
}

void TWinControl::Detach()
{
    if (!handle_)
        return;
    RemovePropA(handle_, ControlProperty);
    handle_ = nullptr;
    mouseCapture_ = nullptr;
    trackingLeave_ = false;
}

LRESULT CALLBACK TWinControl::InitialWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = FromHandle(window);
    if (!control && creatingControl) {
        control = creatingControl;
        creatingControl = nullptr;
        control->Attach(window);
    }
    if (!control)
        return CallWindowProcW(BaseProcedureOf(window), window, msg, wParam, lParam);

    TMessage m{msg, wParam, lParam, 0};
    try {
        control->WindowProc(m);
    } catch (...) {
        if (Application)
            Application->HandleException(std::current_exception());
    }
    if (msg == WM_NCDESTROY && FromHandle(window) == control)
        control->Detach();
    return m.Result;
}

void TWinControl::DefaultHandler(TMessage& m)
{
    if (m.Msg >= CM_BASE && m.Msg < CN_BASE + 0x400)
        return;  // the toolkit's own notifications have no default
    if (!handle_) {
        m.Result = 0;
        return;
    }
    m.Result = CallWindowProcW(defWndProc_ ? defWndProc_ : DefWindowProcW, handle_, m.Msg,
                               m.WParam, m.LParam);
}

void TWinControl::InsertControl(TControl* control)
{
    control->parent_ = this;
    controls_.push_back(control);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed)
        tabList_.push_back(windowed);
    if (!control->IsLoading()) {
        control->TakeParentFont();
        control->TakeParentColor();
        if (windowed && handle_ && !windowed->handle_)
            windowed->CreateWnd();
        control->Invalidate();
    }
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), TRUE);
}

void TWinControl::RemoveControl(TControl* control)
{
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (!windowed->IsDestroying())
            windowed->DestroyWnd();
        std::erase(tabList_, windowed);
    }
    if (mouseCapture_ == control)
        mouseCapture_ = nullptr;
    control->Invalidate();
    std::erase(controls_, control);
    control->parent_ = nullptr;
    if (!IsDestroying())
        Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), FALSE);
}

int TWinControl::TabOrder() const
{
    if (IsLoading() || !Parent())
        return loadingTabOrder_;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    loadingTabOrder_ = order;
    if (IsLoading() || !Parent())
        return;
    auto& list = Parent()->tabList_;
    std::erase(list, this);
    int at = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + at, this);
}

void TWinControl::FixupTabList()
{
    std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
        unsigned oa = unsigned(a->loadingTabOrder_);  // -1 (never set) sorts last
        unsigned ob = unsigned(b->loadingTabOrder_);
        return oa < ob;
    });
}

std::vector<TWinControl*> TWinControl::TabOrderList() const
{
    std::vector<TWinControl*> list;
    AddTabOrderList(list);
    return list;
}

void TWinControl::AddTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->AddTabOrderList(list);
    }
}

bool TWinControl::CanFocus() const
{
    for (const TWinControl* c = this; c; c = c->Parent())
        if (!c->visible_ || !c->enabled_)
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = ParentForm(); form && form != this)
        form->SetActiveControl(this);
    if (CanFocus())
        ::SetFocus(Handle());
}

bool TWinControl::WantsKey(WPARAM)
{
    return false;
}

TControl* TWinControl::ControlAtPos(Point p, bool allowDisabled) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible() || (!c->Enabled() && !allowDisabled))
            continue;
        if (!c->BoundsRect().Contains(p))
            continue;
        if (c->Perform(CM_HITTEST, 0, MAKELPARAM(p.x - c->Left(), p.y - c->Top())))
            return c;
    }
    return nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    TControl::SetBounds(left, top, width, height);
    if (handle_) {
        Rect r = BoundsRect();
        SetWindowPos(handle_, nullptr, r.left, r.top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

Rect TWinControl::ClientRect() const
{
    if (!handle_)
        return TControl::ClientRect();
    RECT r{};
    GetClientRect(handle_, &r);
    return FromRECT(r);
}

std::string TWinControl::Text() const
{
    if (!handle_)
        return text_;
    // Read in UTF-16 and converted here: the system's own conversion maps a
    // character the code page lacks to a look-alike ("Ł" to "L").
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(std::size_t(length) + 1, L'\0');
    int copied = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(std::size_t(std::max(copied, 0)));
    return ToSystemCodePage(text);
}

void TWinControl::SetText(const std::string& text)
{
    if (text == Text())
        return;
    text_ = text;
    if (handle_)
        SetWindowTextW(handle_, FromSystemCodePage(text).c_str());
    Perform(CM_TEXTCHANGED);
}

bool TWinControl::Showing() const
{
    return visible_ && (!Parent() || Parent()->Showing());
}

void TWinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, !(ControlStyle & csOpaque));
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    FixupTabList();
}

void TWinControl::NotifyChildren(UINT msg)
{
    for (TControl* c : std::vector<TControl*>(controls_))
        c->Perform(msg);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc)
{
    RECT clip{};
    GetClipBox(dc, &clip);
    for (TControl* c : controls_) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        Rect bounds = c->BoundsRect();
        if (bounds.Intersected(FromRECT(clip)).IsEmpty())
            continue;
        PaintControlAt(dc, c);
    }
}

void TWinControl::PaintControlAt(HDC dc, TControl* control)
{
    Rect bounds = control->BoundsRect();
    SaveDcGuard saved(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.Width(), bounds.Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

void TWinControl::PaintControlNow(TControl* control)
{
    if (!HandleAllocated() || !control->Visible() || control->Parent() != this)
        return;
    if (!(control->ControlStyle & csOpaque)) {
        control->Repaint();
        return;
    }
    WindowDc dc(handle_);
    PaintControlAt(dc.Get(), control);
}

void TWinControl::HandlePaint(TMessage& m)
{
    PaintDc dc(handle_, m.WParam);
    {
        SaveDcGuard saved(dc.Get());
        PaintWindow(dc.Get());
    }
    PaintControls(dc.Get());
    m.Result = 0;
}

void TWinControl::ReflectToChild(TMessage& m, HWND child)
{
    TWinControl* control = FromHandle(child);
    if (control && control != this)
        m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    bool colorMessage = m.Msg >= WM_CTLCOLORMSGBOX && m.Msg <= WM_CTLCOLORSTATIC;
    if (!control || control == this || (colorMessage && m.Result == 0))
        DefaultHandler(m);
}

void TWinControl::RouteMouse(TMessage& m)
{
    Point p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* under = ControlAtPos(p, false);
    if (m.Msg == WM_MOUSEMOVE) {
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
            trackingLeave_ = TrackMouseEvent(&track);
        }
        if (Application) {
            bool inside = ClientRect().Contains(p);
            Application->MouseOver(under ? under : (inside ? this : nullptr));
        }
    }
    if (Application && IsButtonDown(m.Msg))
        Application->CancelHint();

    TControl* target = mouseCapture_ ? mouseCapture_ : under;
    if (target) {
        if (IsButtonDown(m.Msg)) {
            mouseCapture_ = target;
            SetCapture(handle_);
        }
        TMessage forwarded = m;
        forwarded.LParam = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
        target->WindowProc(forwarded);
        if (IsButtonUp(m.Msg) && mouseCapture_ == target) {
            mouseCapture_ = nullptr;
            if (GetCapture() == handle_)
                ReleaseCapture();
        }
        m.Result = 0;
        return;
    }
    bool captureOwn = !standardClass_ && (ControlStyle & csCaptureMouse);
    if (captureOwn && IsButtonDown(m.Msg))
        SetCapture(handle_);
    TControl::WndProc(m);
    if (captureOwn && IsButtonUp(m.Msg) && GetCapture() == handle_)
        ReleaseCapture();
}

void TWinControl::HandleSetCursor(TMessage& m)
{
    if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == handle_) {
        POINT pt{};
        GetCursorPos(&pt);
        ::ScreenToClient(handle_, &pt);
        TControl* c = ControlAtPos({int(pt.x), int(pt.y)}, true);
        TCursor cursor = (c ? c : this)->Cursor();
        if (cursor != crDefault) {
            ::SetCursor(CursorHandle(cursor));
            m.Result = 1;
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::HandleKeyDown(TMessage& m)
{
    WPARAM key = m.WParam;
    m.Result = 0;
    bool navigation = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
    if (!navigation || WantsKey(key))
        return;
    if (TCustomForm* form = ParentForm())
        m.Result = form->Perform(CM_DIALOGKEY, key, m.LParam) ? 1 : 0;
}

// A character the focused control does not type (any with Alt held, or any
// for a control that takes no characters) is offered to the form's controls
// as a dialog character: a label's accelerator moves the focus this way.
void TWinControl::HandleChar(TMessage& m)
{
    m.Result = 0;
    bool alt = m.Msg == CN_BASE + WM_SYSCHAR;
    if (!alt && (SendMessageA(Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS))
        return;
    if (TCustomForm* form = ParentForm())
        m.Result = form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) ? 1 : 0;
}

LRESULT TWinControl::BroadcastUntilTaken(UINT msg, WPARAM wParam, LPARAM lParam)
{
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (LRESULT taken = c->Perform(msg, wParam, lParam))
            return taken;
        if (auto* windowed = dynamic_cast<TWinControl*>(c))
            if (LRESULT taken = windowed->BroadcastUntilTaken(msg, wParam, lParam))
                return taken;
    }
    return 0;
}

void TWinControl::UpdateBoundsFromWindow()
{
    RECT r{};
    GetWindowRect(handle_, &r);
    if (Parent() && Parent()->handle_)
        MapWindowPoints(nullptr, Parent()->handle_, reinterpret_cast<POINT*>(&r), 2);
    UpdateBoundsRect(FromRECT(r));
}

// A control of its own class fills its background with its colour; a
// standard control's own procedure paints and erases it.
bool TWinControl::HandlePaintMessage(TMessage& m)
{
    if (standardClass_ || (m.Msg != WM_PAINT && m.Msg != WM_ERASEBKGND))
        return false;
    if (m.Msg == WM_PAINT) {
        HandlePaint(m);
        return true;
    }
    RECT r{};
    GetClientRect(handle_, &r);
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush.Get());
    m.Result = 1;
    return true;
}

// What a child window tells its parent goes back to the child as its own
// notification (CN_BASE + the message).
bool TWinControl::HandleChildNotification(TMessage& m)
{
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        // Without a window in LParam (a menu's command, a window's own bar)
        // the message is the control's own.
        if (!m.LParam)
            return false;
        ReflectToChild(m, reinterpret_cast<HWND>(m.LParam));
        return true;
    case WM_DRAWITEM:
        ReflectToChild(m, reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem);
        return true;
    case WM_NOTIFY:
        ReflectToChild(m, reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom);
        return true;
    default:
        return false;
    }
}

// The pointer's, the keyboard's and the focus's messages. Those noted here
// go on to the default handling too (false), the others are taken.
bool TWinControl::HandleInputMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        if (Application)
            Application->MouseLeftWindow(this);
        return false;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(m.LParam) != handle_)
            mouseCapture_ = nullptr;
        return false;
    case WM_SETCURSOR:
        HandleSetCursor(m);
        return true;
    case WM_SETFOCUS:
        if (TCustomForm* form = ParentForm(); form && form != this)
            form->FocusChanged(this);
        return false;
    case CN_KEYDOWN:
        HandleKeyDown(m);
        return true;
    case CN_CHAR:
    case CN_BASE + WM_SYSCHAR:
        HandleChar(m);
        return true;
    case WM_MOUSEWHEEL:
        // Offered to the control first; what it does not take scrolls as usual.
        if (!Perform(CM_MOUSEWHEEL, m.WParam, m.LParam))
            return false;
        m.Result = 0;
        return true;
    default:
        return false;
    }
}

// The control's own notifications of a changed property, carried to its
// window and its children.
bool TWinControl::HandlePropertyChange(TMessage& m)
{
    switch (m.Msg) {
    case CM_FONTCHANGED:
        if (handle_)
            SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
        NotifyChildren(CM_PARENTFONTCHANGED);
        Invalidate();
        return true;
    case CM_COLORCHANGED:
        NotifyChildren(CM_PARENTCOLORCHANGED);
        Invalidate();
        return true;
    case CM_TEXTCHANGED:
        return true;
    case CM_ENABLEDCHANGED:
        if (handle_)
            EnableWindow(handle_, Enabled());
        return true;
    case CM_VISIBLECHANGED:
        if (handle_)
            ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
        return true;
    default:
        return false;
    }
}

void TWinControl::WndProc(TMessage& m)
{
    if (IsMouseMessage(m.Msg)) {
        RouteMouse(m);
        return;
    }
    if (m.Msg == WM_WINDOWPOSCHANGED)
        UpdateBoundsFromWindow();
    if (HandlePaintMessage(m) || HandleChildNotification(m) || HandleInputMessage(m) || HandlePropertyChange(m))
        return;
    TControl::WndProc(m);
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TCanvas>())
{
    ControlStyle |= csOpaque;
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc)
{
    canvas_->SetHandle(dc);
    canvas_->Font().Assign(Font());
    canvas_->Brush().SetColor(Color());
    canvas_->Brush().SetStyle(TBrushStyle::bsSolid);
    Paint();
    canvas_->SetHandle(nullptr);
}
