#include <windows.h>

#include "app/StartUp.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InitializeModules();
    {
        TApplication application;
        CreateApplicationForms(application);
        application.Run();
    }
    FinalizeModules();
    return 0;
}
