#pragma once
// Helpers for a form's data: each creates one component in the loading state,
// names it, places it, and hands it back for its remaining properties.

#include <string>

#include "toolkit/Control.h"
#include "toolkit/WinControl.h"

template <typename Control>
Control* CreateControl(TComponent* owner, TWinControl* parent, const char* name, int left,
                       int top, int width, int height)
{
    auto* control = new Control(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// Sets a control's hint and shows it on hover, whatever its parent says.
inline void SetOwnHint(TControl* control, const std::string& hint)
{
    control->SetHint(hint);
    control->SetShowHint(true);
}
