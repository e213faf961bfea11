#pragma once
// State the whole skin engine shares on the user-interface thread: the four
// process-wide flags, the default skin manager and the registry of forms
// that carry a form skinning component. Plain variables, no locks: only the
// user-interface thread touches them.

#include <windows.h>

#include <vector>

class TsSkinManager;
class TCustomForm;

struct TsEngineState {
    bool SkinLoading = false;          // a skin is being loaded: no fading
    bool NewSkinBroadcast = false;     // scSkinLoaded is on its way to every control
    bool SkinRemoving = false;         // scSkinRemoved is on its way
    bool AnimationInProgress = false;  // every control rebuilds its cache at every paint
    TsSkinManager* DefaultManager = nullptr;
    std::vector<TCustomForm*> SkinnedForms;  // forms with a form skinning component
    HWND HotWindow = nullptr;                 // the skinned window the mouse is over
};

TsEngineState& SkinEngine();

// Sets a flag for a scope and clears it at the end.
class TsEngineFlag {
public:
    explicit TsEngineFlag(bool& flag) : flag_(flag) { flag_ = true; }
    TsEngineFlag(const TsEngineFlag&) = delete;
    TsEngineFlag& operator=(const TsEngineFlag&) = delete;
    ~TsEngineFlag() { flag_ = false; }

private:
    bool& flag_;
};

void RegisterSkinnedForm(TCustomForm* form);
void UnregisterSkinnedForm(TCustomForm* form);
