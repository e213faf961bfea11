#pragma once
// The user-interface thread's WH_CBT hook, installed by the default skin
// manager when it first announces a skin and removed with the skin. Form
// skinning and dialog skinning register what they do with new windows here.

#include <windows.h>

#include <functional>

struct TsSkinHookHandlers {
    std::function<void(HWND)> Activate;  // a window is about to be activated
    std::function<void(HWND)> Destroy;   // a window is about to be destroyed
    std::function<void(HWND)> ChildCreated;  // a child of this parent is being created
    // The hook goes with the skin: what it made for the windows it saw
    // lets go of them (open dialogs get their own look back).
    std::function<void()> Removed;
    // The skin changed while the hook stays: what it made for the windows it
    // saw takes the new skin and repaints (open dialogs are no forms and
    // hear nothing of the change otherwise).
    std::function<void()> SkinChanged;
};

// The one set of handlers of the process; empty members do nothing.
TsSkinHookHandlers& SkinHookHandlers();

void InstallSkinHook();
void RemoveSkinHook();
bool SkinHookInstalled();
