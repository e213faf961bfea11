#include "skin/scroll/acScrollTracking.h"

TacScrollTracking& ScrollTracking()
{
    static TacScrollTracking tracking;
    return tracking;
}

void TacScrollTracking::EndPress()
{
    PressedBar = -1;
    PressedPart = ShownPressedPart = kPartNone;
    RepeatTimer = 0;
    ScrollMessage = 0;
}

void TacScrollTracking::EndHover()
{
    HoverTimer = 0;
    HoverBar = -1;
    HoverPart = LastHoverPart = kPartNone;
}
