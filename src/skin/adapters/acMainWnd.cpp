#include "skin/adapters/acMainWnd.h"

#include <uxtheme.h>

#include <map>

#include "skin/adapters/acAdapterState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/ControlKinds.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"

namespace {

constexpr const char* kAdapterProperty = "PvxSkinAdapter";

// Bare windows whose procedure could not be given back because another
// procedure was put over the adapter's: their messages go on to the old one.
std::map<HWND, WNDPROC>& OrphanedProcedures()
{
    static std::map<HWND, WNDPROC> procedures;
    return procedures;
}

bool IsUnknownSection(const std::string& section)
{
    return section.empty() || section == "UNKNOWN";
}

LRESULT CallProcedure(WNDPROC procedure, HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (IsWindowUnicode(window))
        return CallWindowProcW(procedure, window, msg, wParam, lParam);
    return CallWindowProcA(procedure, window, msg, wParam, lParam);
}

WNDPROC WindowProcedure(HWND window)
{
    LONG_PTR value = IsWindowUnicode(window) ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                             : GetWindowLongPtrA(window, GWLP_WNDPROC);
    return reinterpret_cast<WNDPROC>(value);
}

WNDPROC SetWindowProcedure(HWND window, WNDPROC procedure)
{
    auto value = reinterpret_cast<LONG_PTR>(procedure);
    LONG_PTR old = IsWindowUnicode(window) ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                                           : SetWindowLongPtrA(window, GWLP_WNDPROC, value);
    return reinterpret_cast<WNDPROC>(old);
}

}  // namespace

// The WindowProc the adapter took over from a toolkit control. The hook it
// installs instead holds this link: once the adapter has detached beneath
// another handler that was stacked over it, the hook passes everything on.
struct TacMainWnd::HandlerLink {
    TacMainWnd* adapter = nullptr;
    TWndMethod old;
};

LRESULT CALLBACK AdapterWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TacMainWnd* adapter = TacMainWnd::FromWindow(window);
    if (!adapter || adapter->destroyed_) {
        auto& orphans = OrphanedProcedures();
        auto it = orphans.find(window);
        if (it == orphans.end())
            return IsWindowUnicode(window) ? DefWindowProcW(window, msg, wParam, lParam)
                                           : DefWindowProcA(window, msg, wParam, lParam);
        WNDPROC old = it->second;
        if (msg == WM_NCDESTROY)
            orphans.erase(it);
        return CallProcedure(old, window, msg, wParam, lParam);
    }
    TMessage m{msg, wParam, lParam, 0};
    try {
        adapter->WndProc(m);
    } catch (...) {
        // Nothing may unwind through the window system.
        if (Application)
            Application->HandleException(std::current_exception());
    }
    return m.Result;
}

TacMainWnd::TacMainWnd(HWND window, const std::string& section, TsSkinManager* manager, TsCommonData* skinData)
    : window_(window), manager_(manager), skinData_(skinData), section_(section)
{
    if (!skinData_) {
        ownSkinData_ = std::make_unique<TsCommonData>(nullptr, true, kKindAdapterItem);
        if (manager_)
            ownSkinData_->SetSkinManager(manager_);
        skinData_ = ownSkinData_.get();
    }
}

TacMainWnd::~TacMainWnd()
{
    // Owners detach first (TacWindowAdapterPtr); this only keeps a forgotten
    // adapter from leaving its window pointing at freed memory.
    if (attached_ && !destroyed_) {
        GiveBackHandler();
        destroyed_ = true;
    }
}

TacMainWnd* TacMainWnd::FromWindow(HWND window)
{
    return window ? static_cast<TacMainWnd*>(GetPropA(window, kAdapterProperty)) : nullptr;
}

TsSkinManager* TacMainWnd::SkinManager() const
{
    return manager_ ? manager_ : skinData_->SkinManager();
}

void TacMainWnd::Attach(bool subclass)
{
    if (attached_)
        return;
    attached_ = true;
    if (section_ != "DIALOG")
        SetWindowTheme(window_, L" ", L" ");
    if (IsUnknownSection(skinData_->SkinSection()))
        skinData_->SetSkinSection(section_);
    else if (skinData_->SectionIndex() < 0)
        skinData_->ResolveIndexes();
    forDialog_ = AdapterState().SkinningDialog;
    control_ = TWinControl::FromHandle(window_);
    StoreControlState();
    skinApplied_ = false;
    ReadWindowText();
    RefreshPosition();
    BeforeSubclass();
    if (subclass) {
        SetPropA(window_, kAdapterProperty, this);
        TakeOverHandler();
    }
    AfterSubclass(subclass);
    if (control_) {
        controlWasOpaque_ = control_->ControlStyle & csOpaque;
        control_->ControlStyle |= csOpaque;
    }
}

void TacMainWnd::TakeOverHandler()
{
    if (control_) {
        auto link = std::make_shared<HandlerLink>();
        link->adapter = this;
        link->old = control_->WindowProc;
        link_ = link;
        control_->WindowProc = [link](TMessage& m) {
            // The link outlives this call even when the adapter gives the
            // WindowProc back (and so frees this function) meanwhile.
            std::shared_ptr<HandlerLink> keep = link;
            if (keep->adapter)
                keep->adapter->WndProc(m);
            else
                keep->old(m);
        };
        return;
    }
    oldWndProc_ = SetWindowProcedure(window_, AdapterWindowProc);
}

void TacMainWnd::GiveBackHandler()
{
    if (link_) {
        link_->adapter = nullptr;
        // Only a WindowProc that is still the adapter's own is replaced; one
        // stacked over it keeps calling through the link, which now passes on.
        if (control_ && !control_->IsDestroying())
            control_->WindowProc = link_->old;
        link_.reset();
    }
    if (oldWndProc_) {
        if (IsWindow(window_)) {
            if (WindowProcedure(window_) == AdapterWindowProc)
                SetWindowProcedure(window_, oldWndProc_);
            else
                OrphanedProcedures()[window_] = oldWndProc_;
        }
        oldWndProc_ = nullptr;
    }
    if (IsWindow(window_) && FromWindow(window_) == this)
        RemovePropA(window_, kAdapterProperty);
}

void TacMainWnd::Detach()
{
    if (!attached_ || destroyed_)
        return;
    bool window = IsWindow(window_);
    if (window && section_ != "DIALOG")
        SetWindowTheme(window_, nullptr, nullptr);
    GiveBackHandler();
    RestoreControlState();
    DetachLayer();
    if (control_ && !control_->IsDestroying() && !controlWasOpaque_)
        control_->ControlStyle &= ~unsigned(csOpaque);
    destroyed_ = true;
}

void TacMainWnd::CallOldHandler(TMessage& m)
{
    if (std::shared_ptr<HandlerLink> link = link_) {
        link->old(m);
        return;
    }
    if (oldWndProc_) {
        m.Result = CallProcedure(oldWndProc_, window_, m.Msg, m.WParam, m.LParam);
        return;
    }
    m.Result = 0;
}

bool TacMainWnd::IsActive() const
{
    TsSkinManager* manager = SkinManager();
    return !destroyed_ && manager && manager->Active() && skinData_->IsSkinned(false);
}

bool TacMainWnd::FromOwnManager(const TMessage& m) const
{
    return reinterpret_cast<TsSkinManager*>(m.LParam) == SkinManager();
}

bool TacMainWnd::OwnerBeingCreated() const
{
    TControl* owner = skinData_->OwnerControl();
    return owner && (owner->ControlState & csCreating);
}

void TacMainWnd::ReadWindowText()
{
    int length = GetWindowTextLengthW(window_);
    std::wstring wide(std::size_t(std::max(length, 0)) + 1, L'\0');
    int read = GetWindowTextW(window_, wide.data(), length + 1);
    wide.resize(std::size_t(std::max(read, 0)));
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    windowText_.assign(std::size_t(std::max(bytes, 0)), '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), windowText_.data(), bytes, nullptr, nullptr);
}

void TacMainWnd::RefreshPosition()
{
    RECT r{};
    GetWindowRect(window_, &r);
    windowBounds_ = {int(r.left), int(r.top), int(r.right), int(r.bottom)};
    windowSize_ = {windowBounds_.Width(), windowBounds_.Height()};
    parentHandle_ = GetParent(window_);
    POINT topLeft{r.left, r.top};
    if (parentHandle_)
        ScreenToClient(parentHandle_, &topLeft);
    positionInParent_ = {int(topLeft.x), int(topLeft.y)};
}

TsBgSource TacMainWnd::ParentBackground() const
{
    TControl* owner = skinData_->OwnerControl();
    if (owner && owner->Parent())
        return skinData_->ParentBackground();
    HWND parent = GetParent(window_);
    if (!parent)
        return BgFromColor(int32_t(GetSysColor(COLOR_BTNFACE)));
    TsBgQuery q;
    q.Area = Rect::FromSize(positionInParent_.x, positionInParent_.y, windowSize_.width, windowSize_.height);
    SendSkinCommand(parent, scQueryBackground, 0, reinterpret_cast<LPARAM>(&q));
    if (q.Kind == 0) {
        LRESULT answer = SendSkinCommand(parent, scQueryColor, 0, kNoColorFallback);
        q.Kind = 1;
        q.Color = answer == 0 || answer == kNoColorFallback ? int32_t(GetSysColor(COLOR_BTNFACE)) : int32_t(answer);
    }
    TsBgSource source = QueryToSource(q);
    return source.HasImage() ? ShiftedBg(source, positionInParent_) : source;
}

bool TacMainWnd::HandleSkinCommand(TMessage& m)
{
    TsCommonData& data = *skinData_;
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
        if (FromOwnManager(m))
            data.ResolveIndexes();
        return false;
    case scSkinRemoved:
        if (FromOwnManager(m))
            RestoreControlState();
        return false;
    case scRepaint:
        if (!FromOwnManager(m))
            return false;
        data.ResolveIndexes();
        data.Updating = false;
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        m.Result = 0;
        return true;
    case scResumePainting:
        if (data.PaintingSuspended()) {
            data.Updating = false;
            RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_INVALIDATE);
        }
        m.Result = 0;
        return true;
    case scQueryHandled:
        m.Result = 1;
        return true;
    case scQueryCacheInvalid:
        m.Result = data.CacheInvalid || data.Updating;
        return true;
    case scQueryComplexBackground:
    case scQueryBackground:
        return data.HandleSkinCommand(m);
    case scQueryColor:
        CallOldHandler(m);
        if (m.Result == 0)
            m.Result = data.ControlColor(data.IsHot());
        return true;
    case scMakeCache:
        PrepareCache();
        return false;
    case scQueryApplication:
        m.Result = reinterpret_cast<LRESULT>(Application);
        return true;
    default:
        return false;
    }
}

void TacMainWnd::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY: {
        // The handler to call is the one from before detaching.
        std::shared_ptr<HandlerLink> link = link_;
        WNDPROC old = oldWndProc_;
        HWND window = window_;
        Detach();
        if (link)
            link->old(m);
        else if (old)
            m.Result = CallProcedure(old, window, m.Msg, m.WParam, m.LParam);
        return;
    }
    case WM_UPDATEUISTATE:
        m.Result = 0;
        return;
    case WM_SIZE:
        skinData_->CacheInvalid = true;
        break;
    case WM_SETTEXT:
        CallOldHandler(m);
        ReadWindowText();
        return;
    case WM_MOUSEMOVE:
        if (IsEnabled())
            MakeHotWindow(window_);
        break;
    case WM_PRINT:
        m.Result = SendMessageA(window_, WM_PAINT, m.WParam, m.LParam);
        return;
    default:
        break;
    }
    if (m.Msg == SM_SKINCMD && IsActive() && HandleSkinCommand(m))
        return;
    CallOldHandler(m);
}
