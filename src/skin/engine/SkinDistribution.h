#pragma once
// How a skin change travels down: from the manager to every form, and from
// a form or container to every control below it.

#include <windows.h>

class TWinControl;
class TCustomForm;
class TsSkinManager;

// What the manager needs of a form's skinning component (the form skinning
// component implements it; forms answer scQueryProvider with it).
class TsFormSkinner {
public:
    virtual ~TsFormSkinner() = default;
    virtual TCustomForm* SkinnedForm() const = 0;
    virtual TsSkinManager* SkinManager() const = 0;
    // After a skin change: fade the form from its frozen old look to its new one.
    virtual void FadeToNewLook(unsigned milliseconds) = 0;
    // After a skin change: rebuild the frame (region, caption, cache).
    virtual void RebuildFrame() = 0;
};

// The skinning component of a form, or nullptr.
TsFormSkinner* FormSkinnerOf(TCustomForm* form);

// Each child control in order, stopping at the first one being destroyed: a
// control without a window (or whose window does not exist yet) gets the
// message directly, a windowed one that answers scQueryHandled by
// SendMessage, any other windowed one passes it on to its own children.
void PassToChildren(TWinControl* parent, WPARAM wParam, LPARAM lParam);

// The engine message to every form of the application (last created first)
// that does not handle engine messages itself, with its children, then to
// every registered skinned form.
void DistributeToAllForms(WPARAM wParam, LPARAM lParam);
