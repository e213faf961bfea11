#include "skin/engine/SkinHook.h"

#include <exception>

#include "toolkit/Application.h"

namespace {

HHOOK hook = nullptr;

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
    const TsSkinHookHandlers& handlers = SkinHookHandlers();
    HWND window = reinterpret_cast<HWND>(wParam);
    // Nothing may unwind through the system's hook chain.
    try {
        if (code == HCBT_ACTIVATE && handlers.Activate)
            handlers.Activate(window);
        else if (code == HCBT_DESTROYWND && handlers.Destroy)
            handlers.Destroy(window);
        else if (code == HCBT_CREATEWND && handlers.ChildCreated) {
            const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            if (cs && (cs->style & WS_CHILD))
                handlers.ChildCreated(cs->hwndParent);
        }
    } catch (...) {
        if (Application)
            Application->HandleException(std::current_exception());
    }
    return result;
}

}  // namespace

TsSkinHookHandlers& SkinHookHandlers()
{
    static TsSkinHookHandlers handlers;
    return handlers;
}

void InstallSkinHook()
{
    if (!hook)
        hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

void RemoveSkinHook()
{
    if (!hook)
        return;
    UnhookWindowsHookEx(hook);
    hook = nullptr;
    if (SkinHookHandlers().Removed)
        SkinHookHandlers().Removed();
}

bool SkinHookInstalled()
{
    return hook != nullptr;
}
