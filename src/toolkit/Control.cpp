#include "toolkit/Control.h"

#include <windowsx.h>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

TControl::TControl(TComponent* owner)
    : TComponent(owner), chain_(std::make_shared<TMessageChain>([this](TMessage& m) { WndProc(m); }))
{
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl()
{
    Destroying();
    chain_->End(true);
    if (Application)
        Application->ControlDestroyed(this);
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

TCustomForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    Rect r = Rect::FromSize(left, top, width, height);
    if (r == bounds_)
        return;
    if (parent_ && visible_)
        Invalidate();
    bounds_ = r;
    if (parent_ && visible_)
        Invalidate();
    BoundsChanged();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    if (!visible)
        Invalidate();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible);
    if (visible)
        Invalidate();
}

bool TControl::Showing() const
{
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& text)
{
    if (text == Text())
        return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color)
{
    parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    parentColor_ = value;
    if (value && parent_ && !IsLoading())
        TakeParentColor();
}

void TControl::TakeParentColor()
{
    if (!parent_ || !parentColor_)
        return;
    if (color_ != parent_->Color()) {
        color_ = parent_->Color();
        Perform(CM_COLORCHANGED);
    }
}

void TControl::SetParentFont(bool value)
{
    parentFont_ = value;
    if (value && parent_ && !IsLoading())
        TakeParentFont();
}

void TControl::TakeParentFont()
{
    if (!parent_ || !parentFont_)
        return;
    takingParentFont_ = true;
    font_.Assign(parent_->Font());
    takingParentFont_ = false;
}

void TControl::FontChanged()
{
    if (!takingParentFont_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentShowHint(bool value)
{
    parentShowHint_ = value;
}

bool TControl::EffectiveShowHint() const
{
    if (parentShowHint_ && parent_)
        return parent_->EffectiveShowHint();
    return showHint_;
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode mode)
{
    if (mode == biDiMode_)
        return;
    biDiMode_ = mode;
    Perform(CM_BIDIMODECHANGED);
    Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::Invalidate()
{
    if (parent_ && parent_->HandleAllocated()) {
        RECT r = {Left(), Top(), Left() + Width(), Top() + Height()};
        InvalidateRect(parent_->Handle(), &r, !(ControlStyle & csOpaque));
    }
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

Point TControl::ClientOrigin() const
{
    if (!parent_)
        return {Left(), Top()};
    Point p = parent_->ClientToScreen({0, 0});
    return {p.x + Left(), p.y + Top()};
}

Point TControl::ClientToScreen(Point p) const
{
    Point origin = ClientOrigin();
    return {p.x + origin.x, p.y + origin.y};
}

Point TControl::ScreenToClient(Point p) const
{
    Point origin = ClientOrigin();
    return {p.x - origin.x, p.y - origin.y};
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (parentFont_)
        TakeParentFont();
    if (parentColor_)
        TakeParentColor();
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::HandleMouse(TMessage& m)
{
    int x = GET_X_LPARAM(m.LParam);
    int y = GET_Y_LPARAM(m.LParam);
    TShiftState shift = KeysToShiftState(m.WParam);
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (ControlStyle & csClickEvents)
            ControlState |= csClicked;
        ControlState |= csLButtonDown;
        if (m.Msg == WM_LBUTTONDBLCLK && (ControlStyle & csDoubleClicks) && OnDblClick)
            OnDblClick(this);
        MouseDown(TMouseButton::mbLeft, shift, x, y);
        break;
    case WM_LBUTTONUP: {
        bool clicked = (ControlState & csClicked) && ClientRect().Contains({x, y});
        ControlState &= ~(csLButtonDown | csClicked);
        MouseUp(TMouseButton::mbLeft, shift, x, y);
        if (clicked)
            Click();
        break;
    }
    case WM_RBUTTONDOWN:
        MouseDown(TMouseButton::mbRight, shift, x, y);
        break;
    case WM_RBUTTONUP:
        MouseUp(TMouseButton::mbRight, shift, x, y);
        break;
    default:
        break;
    }
}

void TControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        if (!enabled_)
            break;
        HandleMouse(m);
        break;
    case CM_MOUSEENTER:
        if (OnMouseEnter)
            OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (OnMouseLeave)
            OnMouseLeave(this);
        return;
    case CM_PARENTFONTCHANGED:
        TakeParentFont();
        return;
    case CM_PARENTCOLORCHANGED:
        TakeParentColor();
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        return;
    case CM_HITTEST:
        m.Result = 1;
        return;
    default:
        break;
    }
    DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

HCURSOR CursorHandle(TCursor cursor)
{
    switch (cursor) {
    case crHandPoint: return LoadCursor(nullptr, IDC_HAND);
    case crIBeam: return LoadCursor(nullptr, IDC_IBEAM);
    default: return LoadCursor(nullptr, IDC_ARROW);
    }
}
