#include <windows.h>

#include "app/StartFiles.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Relative paths name files in the folder the program was started in, so
    // they are made absolute before anything can change the current folder.
    const std::vector<std::string> startFiles = StartFilesOf(GetCommandLineW());
    InitializeModules();
    {
        TApplication application;
        CreateApplicationForms(application);
        Form1->OpenStartFiles(startFiles);
        application.Run();
    }
    FinalizeModules();
    return 0;
}
