#pragma once
// The paths of a drop from the desktop shell, as path texts.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

// Every path of a drop, each taken whole whatever its length, asked in UTF-16
// so that a name in any script the code page holds arrives whole (one it
// cannot hold arrives with "?" for what it lacks, never as a look-alike).
std::vector<std::string> DroppedFileNames(HDROP drop);
