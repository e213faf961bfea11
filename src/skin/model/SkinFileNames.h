#pragma once
// Which file names written in a skin are taken: only names of files inside
// the skin's own folder. A skin from disk may come from anybody, and a name
// that leaves its folder would make the program read any file of the machine,
// or open a network path at start and hand the user's credentials to its host.

#include <string_view>

// True for a relative name of a file inside the skin's folder: not empty; no
// drive, no colon (so no alternate stream either), no leading "\" or "/" (so
// no UNC or device path, "\\?\" and "\\.\" included), no "." or ".." segment,
// no character that a Windows file name cannot hold (control characters,
// < > " | ? *), no reserved device name (CON, PRN, AUX, NUL, COM1..9,
// LPT1..9, CONIN$, CONOUT$, with or without an extension), no segment ending
// in a dot or a blank (Windows would strip them and reach another name).
bool IsNameInsideSkin(std::string_view name);
