#pragma once
// The program's start-up, shared by the entry point and the tests that drive
// the real windows: the application object, its title, the main window from
// its form data, the About box created hidden.

class TApplication;

inline constexpr const char* ApplicationTitle = "File comparing utility";

// Module start and end: OLE for the folder picker's dialog and the default
// glyphs of the edits' buttons; at the end the module's path texts are
// released too.
void InitializeModules();
void FinalizeModules();

void CreateApplicationForms(TApplication& application);
