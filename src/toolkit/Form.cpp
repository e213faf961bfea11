#include "toolkit/Form.h"

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/TaskWindows.h"

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner)
{
    visible_ = false;
    ControlStyle |= csAcceptsControls;
    SetColor(clBtnFace);
    SetParentFont(false);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    MessageChain().End(true);
    if (Application)
        Application->FormDestroyed(this);
}

DWORD TCustomForm::WindowStyle() const
{
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (borderStyle_) {
    case TFormBorderStyle::bsNone: style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow: style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog: style |= WS_CAPTION | DS_MODALFRAME; break;
    }
    if (borderStyle_ != TFormBorderStyle::bsNone && (borderIcons_ & biSystemMenu)) {
        style |= WS_SYSMENU;
        if (borderStyle_ != TFormBorderStyle::bsDialog && borderStyle_ != TFormBorderStyle::bsToolWindow) {
            if (borderIcons_ & biMinimize)
                style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize)
                style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}

DWORD TCustomForm::WindowExStyle() const
{
    DWORD ex = 0;
    if (borderStyle_ == TFormBorderStyle::bsDialog)
        ex |= WS_EX_DLGMODALFRAME;
    if (borderStyle_ == TFormBorderStyle::bsToolWindow)
        ex |= WS_EX_TOOLWINDOW;
    if (Application && Application->MainForm() == this)
        ex |= WS_EX_APPWINDOW;
    return ex;
}

void TCustomForm::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    p.Style = WindowStyle();
    p.ExStyle = WindowExStyle();
    p.ClassStyle = CS_DBLCLKS;
    p.WndParent = nullptr;
    // Forms other than the main one are owned by it: they stay above it and
    // have no taskbar button of their own.
    if (Application && Application->MainForm() && Application->MainForm() != this)
        p.WndParent = Application->MainForm()->Handle();
}

void TCustomForm::InitializeWindow()
{
    TCustomControl::InitializeWindow();
    if (!icon_.Empty()) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.SmallHandle()));
    }
}

int TCustomForm::ClientWidth() const
{
    return ClientRect().Width();
}

int TCustomForm::ClientHeight() const
{
    return ClientRect().Height();
}

void TCustomForm::SetClientSize(int width, int height)
{
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, WindowStyle(), FALSE, WindowExStyle());
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == activeControl_)
        return;
    if (activeControl_)
        activeControl_->RemoveFreeNotification(this);
    activeControl_ = control;
    if (control)
        control->FreeNotification(this);
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == activeControl_)
        activeControl_ = nullptr;
}

void TCustomForm::FocusChanged(TWinControl* control)
{
    SetActiveControl(control);
    for (TWinControl* c : TabOrderList())
        c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    std::vector<TWinControl*> list = TabOrderList();
    if (list.empty())
        return;
    if (!forward)
        std::reverse(list.begin(), list.end());
    auto start = std::find(list.begin(), list.end(), current);
    std::size_t first = start == list.end() ? 0 : std::size_t(start - list.begin()) + 1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        TWinControl* c = list[(first + i) % list.size()];
        if (c == current)
            break;
        if (c->CanFocus() && (!checkTabStop || c->TabStop())) {
            c->SetFocus();
            return;
        }
    }
}

void TCustomForm::FocusFirstControl()
{
    if (activeControl_ && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return;
    }
    SelectNext(nullptr, true, true);
}

void TCustomForm::ApplyPosition()
{
    RECT area{};
    switch (position_) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        break;
    case TPosition::poMainFormCenter:
        if (Application && Application->MainForm() && Application->MainForm() != this) {
            GetWindowRect(Application->MainForm()->Handle(), &area);
            break;
        }
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        break;
    case TPosition::poDesigned:
        return;
    }
    int left = area.left + (area.right - area.left - Width()) / 2;
    int top = area.top + (area.bottom - area.top - Height()) / 2;
    SetBounds(std::max(left, int(area.left)), std::max(top, int(area.top)), Width(), Height());
}

void TCustomForm::Show()
{
    HandleNeeded();
    if (!visible_)
        ApplyPosition();
    visible_ = true;
    Perform(CM_SHOWINGCHANGED, TRUE);
    SetForegroundWindow(Handle());
    FocusFirstControl();
    if (OnShow)
        OnShow(this);
}

void TCustomForm::Hide()
{
    visible_ = false;
    if (HandleAllocated())
        Perform(CM_SHOWINGCHANGED, FALSE);
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    Hide();
    if (Application && Application->MainForm() == this)
        Application->Terminate();
}

TModalResult TCustomForm::ShowModal()
{
    if (visible_ || modal_)
        return mrNone;
    if (GetCapture())
        ReleaseCapture();
    HWND previousActive = GetActiveWindow();
    HandleNeeded();
    TModalResult result = mrNone;
    // The other windows are enabled again before this one hides, so that one
    // of them can take the activation.
    {
        TTaskWindowsDisabled inert(Handle());
        modal_ = true;
        modalResult_ = mrNone;
        Show();
        while (modalResult_ == mrNone && Application && !Application->Terminated())
            Application->HandleMessage();
        result = modalResult_;
    }
    Hide();
    modal_ = false;
    if (previousActive && IsWindow(previousActive))
        SetActiveWindow(previousActive);
    return result;
}

void TCustomForm::Create()
{
    BeginLoading();
    ReadFormData();
    std::vector<TComponent*> created = Components();
    Loaded();
    for (TComponent* c : created)
        c->Loaded();
    if (OnCreate)
        OnCreate(this);
}

bool TCustomForm::HandleDialogKey(WPARAM key)
{
    if (key == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0)
            return false;
        SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
        return true;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
        for (TWinControl* c : TabOrderList())
            if (c->Perform(CM_DIALOGKEY, key, 0))
                return true;
    }
    return false;
}

void TCustomForm::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_SHOWINGCHANGED:
        // Showing and hiding go through WindowProc, so a skin provider can
        // prepare the window before it appears.
        ShowWindow(Handle(), m.WParam ? SW_SHOWNORMAL : SW_HIDE);
        m.Result = 0;
        return;
    case WM_CLOSE:
        Close();
        m.Result = 0;
        return;
    case WM_ACTIVATE:
        if (LOWORD(m.WParam) != WA_INACTIVE && activeControl_ && activeControl_->CanFocus() &&
            !HIWORD(m.WParam)) {
            ::SetFocus(activeControl_->Handle());
            m.Result = 0;
            return;
        }
        break;
    case WM_SIZE:
        if (m.WParam != SIZE_MINIMIZED && Application && Application->MainForm() == this)
            Application->MainFormRestored();
        break;
    case CM_DIALOGKEY:
        m.Result = HandleDialogKey(m.WParam) ? 1 : 0;
        return;
    case CM_DIALOGCHAR:
        m.Result = BroadcastUntilTaken(CM_DIALOGCHAR, m.WParam, m.LParam);
        return;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}
