#include "skin/adapters/acMainWnd.h"

#include <uxtheme.h>

#include <utility>

#include "skin/adapters/acAdapterState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/ControlKinds.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"

namespace {

bool IsUnknownSection(const std::string& section)
{
    return section.empty() || section == "UNKNOWN";
}

int liveAdapters = 0;

// Adapters handling a message now (nested calls count): run-time providers
// whose dialog went meanwhile are freed only once none is on the stack.
struct HandlerDepthGuard {
    HandlerDepthGuard() { ++AdapterState().HandlerDepth; }
    ~HandlerDepthGuard() { --AdapterState().HandlerDepth; }
    HandlerDepthGuard(const HandlerDepthGuard&) = delete;
    HandlerDepthGuard& operator=(const HandlerDepthGuard&) = delete;
};

}  // namespace

TacMainWnd::TacMainWnd(HWND window, const std::string& section, TsSkinManager* manager, TsCommonData* skinData)
    : window_(window), manager_(manager), skinData_(skinData), section_(section)
{
    ++liveAdapters;
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
    --liveAdapters;
}

int TacMainWnd::LiveCount()
{
    return liveAdapters;
}

TacMainWnd* TacMainWnd::FromWindow(HWND window)
{
    TMessageChain* chain = TMessageChain::Of(window, false);
    return chain ? static_cast<TacMainWnd*>(const_cast<void*>(chain->OwnerOf(TLinkRole::tlWindowAdapter)))
                 : nullptr;
}

TsSkinManager* TacMainWnd::SkinManager() const
{
    return manager_ ? manager_ : skinData_->SkinManager();
}

bool TacMainWnd::Attach(bool subclass)
{
    if (attached_ || FromWindow(window_))
        return false;
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
    if (subclass)
        TakeOverHandler();
    AfterSubclass(subclass);
    if (control_) {
        controlWasOpaque_ = control_->ControlStyle & csOpaque;
        control_->ControlStyle |= csOpaque;
    }
    return true;
}

void TacMainWnd::TakeOverHandler()
{
    TMessageChain* chain = TMessageChain::Of(window_, true);
    if (!chain)
        return;
    link_ = chain->Push(
        TLinkRole::tlWindowAdapter, static_cast<const TacMainWnd*>(this),
        [this](TMessage& m) {
            HandlerDepthGuard depth;
            try {
                WndProc(m);
            } catch (...) {
                // A window the skin fails to handle keeps its plain look
                // from now on; failures of the handlers below are theirs.
                if (!std::exchange(failedBelow_, false))
                    Detach();
                throw;
            }
        },
        [this](bool) { WindowEnding(); });
}

void TacMainWnd::GiveBackHandler()
{
    link_.Remove();
}

void TacMainWnd::WindowEnding()
{
    Detach();
    // The control may be freed next; nothing of it is touched again.
    control_ = nullptr;
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
    m.Result = 0;
    try {
        link_.CallBelow(m);
    } catch (...) {
        failedBelow_ = true;
        throw;
    }
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

TBitmap* TacMainWnd::CacheOfWindowSize()
{
    RefreshPosition();
    if (windowSize_.width <= 0 || windowSize_.height <= 0)
        return nullptr;
    return &skinData_->CacheOfSize(windowSize_.width, windowSize_.height);
}

TBitmap* TacMainWnd::CacheOfSectionOnParent()
{
    TBitmap* cache = CacheOfWindowSize();
    if (!cache)
        return nullptr;
    View24 pixels = cache->Pixels24();
    PaintControlItem(TsPaintTarget(pixels, ParentBackground()), skinData_->Section(), pixels.Bounds(), 0, {});
    return cache;
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
    case WM_NCDESTROY:
        // The link remembers what lay below it when it came out.
        Detach();
        CallOldHandler(m);
        return;
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
