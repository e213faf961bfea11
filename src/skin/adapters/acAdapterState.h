#pragma once
// State all adapters of the process share on the user-interface thread.
// Plain flags, no locks.

#include "skin/paint/DisabledLook.h"

struct TacAdapterState {
    bool AttachingAll = false;  // an AttachAll is running: a nested one does nothing
    bool DroppingAll = false;   // a DropAllItems is running
    bool SkinningDialog = false;  // window adapters made now are for a dialog window of the system
    // What a window answering command 35 asks for its disabled look; reset
    // to none before the command is sent.
    TsDisabledKinds DisabledKinds = 0;
};

TacAdapterState& AdapterState();
