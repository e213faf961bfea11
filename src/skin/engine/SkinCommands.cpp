#include "skin/engine/SkinCommands.h"

#include "toolkit/WinControl.h"

LRESULT SendSkinCommand(HWND window, TsSkinCommand command, WORD argument, LPARAM lParam)
{
    if (!window)
        return 0;
    return SendMessageA(window, SM_SKINCMD, SkinCmdParam(command, argument), lParam);
}

LRESULT SendSkinCommand(TControl* control, TsSkinCommand command, WORD argument, LPARAM lParam)
{
    if (!control)
        return 0;
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->HandleAllocated())
        return SendSkinCommand(windowed->Handle(), command, argument, lParam);
    return control->Perform(SM_SKINCMD, SkinCmdParam(command, argument), lParam);
}
