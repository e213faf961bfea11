#include "skin/gdi/SystemColorTable.h"

#include <windows.h>

#include "skin/model/SkinColors.h"

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
