#include "skin/dialogs/ShellHostWindows.h"

#include <iterator>

namespace {

// The window classes of the hosts, as the window system reports them
// (compared without regard to case).
constexpr const char* kHostClasses[] = {
    "DUIViewWndClassName",       // the file view's host
    "DirectUIHWND",              // the framework's own drawing surface
    "CtrlNotifySink",            // relays the notifications of controls inside a host
    "FloatNotifySink",           // the same for floating ones (the file name box)
    "Address Band Root",         // the address bar
    "Breadcrumb Parent",         // its breadcrumb
    "UniversalSearchBand",       // the search box's band
    "SearchEditBoxWrapperClass", // the search box
    "NamespaceTreeControl",      // the navigation tree's host
};

// The rebar of the shell's command area: a standard class, told apart by the
// travel band (back, forward, up) that it holds.
constexpr const char* kTravelBandClass = "TravelBand";
constexpr const char* kRebarClass = "ReBarWindow32";

bool ClassIs(HWND window, const char* wanted)
{
    char name[64] = {};
    GetClassNameA(window, name, int(std::size(name)));
    return lstrcmpiA(name, wanted) == 0;
}

bool HoldsTravelBand(HWND rebar)
{
    for (HWND child = GetWindow(rebar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassIs(child, kTravelBandClass))
            return true;
    return false;
}

}  // namespace

bool IsShellHostWindow(HWND window)
{
    for (const char* name : kHostClasses)
        if (ClassIs(window, name))
            return true;
    return ClassIs(window, kRebarClass) && HoldsTravelBand(window);
}

bool IsInsideShellHost(HWND window, HWND top)
{
    for (HWND w = window; w && w != top; w = GetParent(w)) {
        if (IsShellHostWindow(w))
            return true;
        if (!(GetWindowLongW(w, GWL_STYLE) & WS_CHILD))
            break;
    }
    return false;
}
