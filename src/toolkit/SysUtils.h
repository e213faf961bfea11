#pragma once
// Texts the system gives about files and failures, in the system code page.

#include <string>

// The system's description of an error number (as from GetLastError), with
// trailing white space and full stops removed, so that callers can embed it
// and the error box can add its own full stop. Empty when the system has no
// text for the number.
std::string SysErrorMessage(unsigned long code);

// `path` made absolute against the current folder, with "." and ".."
// resolved; any length. The path as given when the system cannot expand it.
std::string ExpandFileName(const std::string& path);
