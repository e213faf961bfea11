#pragma once
// TIcon: an icon resource of the program, held as owned handles at the
// system's large and small icon sizes.

#include <windows.h>

#include "toolkit/Handles.h"

class TIcon {
public:
    HICON Handle() const { return large_.Get(); }
    HICON SmallHandle() const { return small_.Get(); }
    bool Empty() const { return !large_; }
    // Loads the icon resource at both sizes; false when it is absent.
    bool LoadFromResourceName(HINSTANCE instance, const char* name);

private:
    UniqueIcon large_;
    UniqueIcon small_;
};
