#pragma once
// TMessageChain: the one way into a window's message path. Each toolkit
// control has a chain (its WindowProc runs it), and a bare window of the
// system gets one when something first links into it (its window procedure
// is then ours, the window's own at the bottom of the chain). A link is put
// on top, passes on what it does not take to whatever lies below it, and
// comes out wherever it stands, so a handler linked later keeps working.
// Skin links carry a role; a window holds at most one link of each skin
// role, whether or not the skin is active. Links hear of their window's or
// control's end before either is gone.

#include <windows.h>

#include <functional>
#include <memory>

#include "toolkit/Messages.h"

using TWndMethod = std::function<void(TMessage&)>;

// Told to a link when its window is about to go: controlGoes when the
// toolkit control goes with it (the link comes out afterwards), false when
// only the window goes (a control making its window again keeps its chain).
using TChainEnded = std::function<void(bool controlGoes)>;

// What a link is; a chain holds one link of each role except tlForeign.
enum class TLinkRole { tlForeign, tlFormSkin, tlWindowAdapter };

class TMessageChain;
struct TChainNode;

// A link in a chain, owned by whoever linked it; it comes out of the chain
// when it is removed or freed (also after the chain itself is gone).
class TChainLink {
public:
    TChainLink() = default;
    TChainLink(TChainLink&& other) noexcept = default;
    TChainLink& operator=(TChainLink&& other) noexcept;
    TChainLink(const TChainLink&) = delete;
    TChainLink& operator=(const TChainLink&) = delete;
    ~TChainLink() { Remove(); }

    // In a chain now.
    bool Linked() const;
    // Takes the link out wherever it stands; safe to call again.
    void Remove();
    // Hands a message to what lies below the link; also after Remove, for
    // the message that was passing the link then. No-op on an empty link.
    void CallBelow(TMessage& m) const;

private:
    friend class TMessageChain;
    std::weak_ptr<TMessageChain> chain_;
    std::shared_ptr<TChainNode> node_;
};

class TMessageChain : public std::enable_shared_from_this<TMessageChain> {
public:
    // bottom: the window's own handling, under every link.
    explicit TMessageChain(TWndMethod bottom);
    TMessageChain(const TMessageChain&) = delete;
    TMessageChain& operator=(const TMessageChain&) = delete;
    ~TMessageChain();

    // Links handler on top; ended is told when the window or its control
    // ends (before either is freed). An empty link when a link of a skin
    // role is there already.
    TChainLink Push(TLinkRole role, const void* owner, TWndMethod handler, TChainEnded ended = {});
    // The owner of the link of a role, or nullptr.
    const void* OwnerOf(TLinkRole role) const;
    int LinkCount() const;

    // A message from the top of the chain.
    void Dispatch(TMessage& m);
    // The window (or only its window, controlGoes false) is about to go: every
    // link hears it, top first; when the control goes too, every link comes out.
    void End(bool controlGoes);

    // The chain of a window: its toolkit control's, or a bare window's
    // (linked into its window procedure when create is set; else nullptr).
    static TMessageChain* Of(HWND window, bool create);

private:
    friend class TChainLink;
    void Unlink(const std::shared_ptr<TChainNode>& node);
    // A bare window whose last link went gets its own procedure back.
    virtual void LastLinkRemoved() {}

    std::shared_ptr<TChainNode> top_;
    int links_ = 0;
};
