#include "app/StartUp.h"

#include <windows.h>

#include <ole2.h>

#include "app/About.h"
#include "app/frmMain.h"
#include "controls/sDefaultGlyphs.h"
#include "skin/forms/RunTimeProviders.h"
#include "skin/gdi/SystemColorTable.h"
#include "toolkit/Application.h"

void InitializeModules()
{
    OleInitialize(nullptr);
    InstallSystemColorTable();
    InstallRunTimeProviders();
    LoadDefaultGlyphs();
}

void FinalizeModules()
{
    CurrentPath1.clear();
    CurrentPath1.shrink_to_fit();
    CurrentPath2.clear();
    CurrentPath2.shrink_to_fit();
    ReleaseDefaultGlyphs();
    OleUninitialize();
}

void CreateApplicationForms(TApplication& application)
{
    application.Initialize();
    application.SetTitle(ApplicationTitle);
    Form1 = application.CreateForm<TForm1>();
    AboutBox = application.CreateForm<TAboutBox>();
}
