#pragma once
// TacMainWnd: the root of the window adapters, which skin a standard window
// from outside. An adapter links itself into the window's message chain (a
// toolkit control's, or a bare window's) as the window's one adapter link,
// and paints the window from a skin section through its binding. A window
// that has an adapter, active or not, never gets a second one. The adapter
// detaches itself when the window goes (a toolkit control tells it before
// its window is destroyed) and is detached by its owner before it is freed;
// detaching puts back everything it changed (theme, its link alone, the
// control's state) and it never touches the control again.
//
// Make adapters with MakeWindowAdapter, which attaches them, and keep them in
// a TacWindowAdapterPtr, which detaches them before they are freed.

#include <windows.h>

#include <memory>
#include <string>

#include "gfx/Geometry.h"
#include "skin/paint/SkinBackground.h"
#include "toolkit/Control.h"

class TBitmap;
class TWinControl;
class TsCommonData;
class TsSkinManager;

class TacMainWnd {
public:
    // window: the window to skin; section: the binding's section when it has
    // none; manager: nullptr for the binding's; skinData: the caller's binding,
    // or nullptr for one of the adapter's own (with a cache image).
    TacMainWnd(HWND window, const std::string& section, TsSkinManager* manager, TsCommonData* skinData);
    TacMainWnd(const TacMainWnd&) = delete;
    TacMainWnd& operator=(const TacMainWnd&) = delete;
    virtual ~TacMainWnd();

    // Links into the window's chain (with subclass) and skins it: theme off
    // unless the section is "DIALOG", the control's state stored. Called
    // once, by MakeWindowAdapter; false, with nothing changed, when the
    // window has an adapter already.
    bool Attach(bool subclass);
    // Puts back everything Attach changed; the adapter is Destroyed
    // afterwards. Safe to call more than once.
    void Detach();

    // The adapter of a window, or nullptr.
    static TacMainWnd* FromWindow(HWND window);
    // Window adapters alive in the process (for tests).
    static int LiveCount();

    HWND Window() const { return window_; }
    TsCommonData& SkinData() const { return *skinData_; }
    TsSkinManager* SkinManager() const;
    // The toolkit control whose WindowProc the adapter took, or nullptr for a bare window.
    TWinControl* Control() const { return control_; }
    bool Destroyed() const { return destroyed_; }
    bool ForDialog() const { return forDialog_; }
    bool SkinApplied() const { return skinApplied_; }
    const std::string& WindowText() const { return windowText_; }
    Rect WindowBounds() const { return windowBounds_; }
    Size WindowSize() const { return windowSize_; }
    HWND ParentHandle() const { return parentHandle_; }
    // The window's top-left in its parent's client coordinates.
    Point PositionInParent() const { return positionInParent_; }

    // Every message for the window comes here first.
    virtual void WndProc(TMessage& m);

protected:
    virtual void StoreControlState() {}
    virtual void RestoreControlState() {}
    virtual void ApplySkin() { skinApplied_ = true; }
    // Steps of attaching and detaching that belong to a layer.
    virtual void BeforeSubclass() {}
    virtual void AfterSubclass(bool /*subclass*/) {}
    virtual void DetachLayer() {}
    // Paints the adapter's cache for the window's current state.
    virtual void PrepareCache() {}

    // The handler the adapter took over; 0 when there is none.
    void CallOldHandler(TMessage& m);
    // The binding is skinned by an active manager and the adapter attached.
    bool IsActive() const;
    // Engine commands of the base; false for those it leaves to the old handler.
    bool HandleSkinCommand(TMessage& m);
    // The command comes from the binding's manager.
    bool FromOwnManager(const TMessage& m) const;
    // The window's rectangle, size and place in its parent, read again.
    void RefreshPosition();
    // The binding's cache at the window's size (position data read again);
    // nullptr for a window without area.
    TBitmap* CacheOfWindowSize();
    // The cache at the window's size holding the binding's section painted
    // over what lies behind the window; nullptr for a window without area.
    TBitmap* CacheOfSectionOnParent();
    // What lies behind the window in its parent, aligned with the window's (0, 0).
    TsBgSource ParentBackground() const;
    bool IsVisible() const { return window_ && IsWindowVisible(window_); }
    bool IsEnabled() const { return window_ && IsWindowEnabled(window_); }
    // The owner control is being created (no painting yet).
    bool OwnerBeingCreated() const;

    bool skinApplied_ = false;

private:
    void TakeOverHandler();
    void GiveBackHandler();
    // The window (and maybe its control) is about to go.
    void WindowEnding();
    void ReadWindowText();

    HWND window_;
    TsSkinManager* manager_;
    TsCommonData* skinData_;
    std::unique_ptr<TsCommonData> ownSkinData_;
    std::string section_;
    bool attached_ = false;
    bool destroyed_ = false;
    bool forDialog_ = false;
    TWinControl* control_ = nullptr;
    bool controlWasOpaque_ = false;
    TChainLink link_;  // the adapter's place in the window's chain
    bool failedBelow_ = false;  // the error passing now came from the handlers below
    std::string windowText_;
    Rect windowBounds_;
    Size windowSize_;
    HWND parentHandle_ = nullptr;
    Point positionInParent_;
};

struct TacWindowAdapterDeleter {
    void operator()(TacMainWnd* adapter) const
    {
        adapter->Detach();
        delete adapter;
    }
};
using TacWindowAdapterPtr = std::unique_ptr<TacMainWnd, TacWindowAdapterDeleter>;

// Makes an adapter of class T and attaches it to its window; nullptr when
// the window has an adapter already.
template <typename T, typename... Args>
TacWindowAdapterPtr MakeWindowAdapter(bool subclass, Args&&... args)
{
    TacWindowAdapterPtr adapter(new T(std::forward<Args>(args)...));
    if (!adapter->Attach(subclass))
        adapter.reset();
    return adapter;
}
