#include "toolkit/MessageChain.h"

#include <map>

#include "toolkit/Application.h"
#include "toolkit/WinControl.h"

// A link, or the bottom of a chain (no role, never removed). A removed
// link keeps what lay below it, so that a message passing it when it came
// out still reaches the rest of the chain.
struct TChainNode {
    TLinkRole role = TLinkRole::tlForeign;
    const void* owner = nullptr;
    TWndMethod handler;
    TChainEnded ended;
    std::shared_ptr<TChainNode> below;  // nullptr for the bottom
    bool removed = false;
};

namespace {

void CallFrom(const std::shared_ptr<TChainNode>& start, TMessage& m)
{
    std::shared_ptr<TChainNode> node = start;
    while (node && node->removed)
        node = node->below;
    if (node)
        node->handler(m);
}

}  // namespace

TChainLink& TChainLink::operator=(TChainLink&& other) noexcept
{
    if (this != &other) {
        Remove();
        chain_ = std::move(other.chain_);
        node_ = std::move(other.node_);
    }
    return *this;
}

bool TChainLink::Linked() const
{
    return node_ && !node_->removed && !chain_.expired();
}

void TChainLink::Remove()
{
    if (!node_ || node_->removed)
        return;
    if (std::shared_ptr<TMessageChain> chain = chain_.lock())
        chain->Unlink(node_);
    node_->removed = true;
}

void TChainLink::CallBelow(TMessage& m) const
{
    if (node_)
        CallFrom(node_->below, m);
}

TMessageChain::TMessageChain(TWndMethod bottom) : top_(std::make_shared<TChainNode>())
{
    top_->handler = std::move(bottom);
}

TMessageChain::~TMessageChain()
{
    // Links outliving the chain are out of it.
    for (std::shared_ptr<TChainNode> node = top_; node; node = node->below)
        node->removed = true;
}

TChainLink TMessageChain::Push(TLinkRole role, const void* owner, TWndMethod handler, TChainEnded ended)
{
    TChainLink link;
    if (role != TLinkRole::tlForeign && OwnerOf(role))
        return link;
    auto node = std::make_shared<TChainNode>();
    node->role = role;
    node->owner = owner;
    node->handler = std::move(handler);
    node->ended = std::move(ended);
    node->below = top_;
    top_ = node;
    ++links_;
    link.chain_ = weak_from_this();
    link.node_ = node;
    return link;
}

void TMessageChain::Unlink(const std::shared_ptr<TChainNode>& node)
{
    if (top_ == node) {
        top_ = node->below;
    } else {
        for (TChainNode* above = top_.get(); above && above->below; above = above->below.get())
            if (above->below == node) {
                above->below = node->below;
                break;
            }
    }
    node->removed = true;
    if (--links_ == 0)
        LastLinkRemoved();
}

const void* TMessageChain::OwnerOf(TLinkRole role) const
{
    for (const TChainNode* node = top_.get(); node && node->below; node = node->below.get())
        if (node->role == role)
            return node->owner;
    return nullptr;
}

int TMessageChain::LinkCount() const
{
    return links_;
}

void TMessageChain::Dispatch(TMessage& m)
{
    std::shared_ptr<TChainNode> top = top_;  // links may come out meanwhile
    CallFrom(top, m);
}

void TMessageChain::End(bool controlGoes)
{
    std::shared_ptr<TMessageChain> keep = shared_from_this();
    // The links of now, top first; each may take itself (or others) out.
    std::vector<std::shared_ptr<TChainNode>> links;
    for (std::shared_ptr<TChainNode> node = top_; node && node->below; node = node->below)
        links.push_back(node);
    for (const auto& node : links)
        if (!node->removed && node->ended)
            node->ended(controlGoes);
    if (!controlGoes)
        return;
    for (const auto& node : links)
        if (!node->removed)
            Unlink(node);
}

// Bare windows -------------------------------------------------------------

namespace {

LRESULT CALLBACK ChainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

LRESULT CallProcedure(WNDPROC procedure, HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (IsWindowUnicode(window))
        return CallWindowProcW(procedure, window, msg, wParam, lParam);
    return CallWindowProcA(procedure, window, msg, wParam, lParam);
}

WNDPROC ProcedureOf(HWND window)
{
    LONG_PTR value = IsWindowUnicode(window) ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                             : GetWindowLongPtrA(window, GWLP_WNDPROC);
    return reinterpret_cast<WNDPROC>(value);
}

WNDPROC SetProcedure(HWND window, WNDPROC procedure)
{
    auto value = reinterpret_cast<LONG_PTR>(procedure);
    LONG_PTR old = IsWindowUnicode(window) ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                                           : SetWindowLongPtrA(window, GWLP_WNDPROC, value);
    return reinterpret_cast<WNDPROC>(old);
}

// The chain of a window the toolkit did not make: our procedure over the
// window's own. When its last link goes the window gets its own procedure
// back, unless another procedure was put over ours meanwhile: that one calls
// ours, so ours stays (passing everything on) until the window goes.
class TBareWindowChain : public TMessageChain {
public:
    TBareWindowChain(HWND window, WNDPROC own)
        : TMessageChain([window, own](TMessage& m) {
              m.Result = CallProcedure(own, window, m.Msg, m.WParam, m.LParam);
          }),
          window_(window), own_(own)
    {
    }
    // Puts the window's own procedure back when ours is on top; false otherwise.
    bool GiveBackProcedure() const
    {
        if (!IsWindow(window_) || ProcedureOf(window_) != ChainWindowProc)
            return false;
        SetProcedure(window_, own_);
        return true;
    }

private:
    void LastLinkRemoved() override;

    HWND window_;
    WNDPROC own_;
};

std::map<HWND, std::shared_ptr<TBareWindowChain>>& BareChains()
{
    static std::map<HWND, std::shared_ptr<TBareWindowChain>> chains;
    return chains;
}

void TBareWindowChain::LastLinkRemoved()
{
    if (GiveBackProcedure())
        BareChains().erase(window_);  // the caller holds the chain while it finishes
}

LRESULT CALLBACK ChainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto& chains = BareChains();
    auto it = chains.find(window);
    if (it == chains.end())
        return IsWindowUnicode(window) ? DefWindowProcW(window, msg, wParam, lParam)
                                       : DefWindowProcA(window, msg, wParam, lParam);
    std::shared_ptr<TBareWindowChain> chain = it->second;
    TMessage m{msg, wParam, lParam, 0};
    try {
        chain->Dispatch(m);
    } catch (...) {
        // Nothing may unwind through the window system.
        if (Application)
            Application->HandleException(std::current_exception());
    }
    if (msg == WM_NCDESTROY) {
        chain->End(true);
        chain->GiveBackProcedure();
        chains.erase(window);
    }
    return m.Result;
}

}  // namespace

TMessageChain* TMessageChain::Of(HWND window, bool create)
{
    if (!window || !IsWindow(window))
        return nullptr;
    if (TWinControl* control = TWinControl::FromHandle(window))
        return &control->MessageChain();
    auto& chains = BareChains();
    if (auto it = chains.find(window); it != chains.end())
        return it->second.get();
    if (!create || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return nullptr;
    // The window's own procedure is read as the procedure is replaced, so
    // nothing can come between.
    WNDPROC own = SetProcedure(window, ChainWindowProc);
    if (!own)
        return nullptr;
    auto chain = std::make_shared<TBareWindowChain>(window, own);
    chains[window] = chain;
    return chain.get();
}
