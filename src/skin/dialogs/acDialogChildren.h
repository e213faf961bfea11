#pragma once
// The window adapters a skinned dialog gives its child windows, chosen by
// their window class: walked in z-order, the children of a child before the
// child itself, each window adapted once. A dialog holding a tab control of
// exactly 470 x 349 pixels is not skinned at all.

#include <windows.h>

#include <vector>

#include "skin/adapters/acMainWnd.h"

class TsSkinManager;

// The adapter for one child window of a dialog (attached), or none.
TacWindowAdapterPtr MakeDialogChildAdapter(HWND child, TsSkinManager* manager);

// A dialog that must keep the window system's look.
bool RefusesDialogSkin(HWND dialog);

class TacDialogChildren {
public:
    // Adapts every child window below dialog that has no adapter yet;
    // adapters whose window has gone are dropped first.
    void AttachAll(HWND dialog, TsSkinManager* manager);
    int Count() const { return int(adapters_.size()); }
    // Frees the adapters, the last made first.
    void Clear();
    ~TacDialogChildren() { Clear(); }

private:
    void Visit(HWND parent, TsSkinManager* manager);

    std::vector<TacWindowAdapterPtr> adapters_;
};
