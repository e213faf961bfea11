#include "skin/SystemColorTable.h"

#include <windows.h>

#include "skin/SkinColors.h"

namespace {

uint32_t PlatformColor(int index)
{
    return uint32_t(GetSysColor(index));
}

}  // namespace

void InstallSystemColorTable()
{
    SetSystemColorLookup(&PlatformColor);
}
