#pragma once
// Calls of the system DLLs that Windows added after 7. The Windows build
// holds Windows 7 in the headers, but mingw-w64's headers declare some later
// calls regardless (GetSystemTimePreciseAsFileTime, SetDefaultDllDirectories
// among them), so a test reads them from the built programs' import tables.
// The list holds the later calls of the DLLs the program may import; it is
// not every call Windows ever added.

#include <string_view>

// The Windows version that added `call` ("Windows 8", ...), or an empty text
// for a call Windows 7 SP1 has or one the list does not know.
std::string_view WindowsVersionThatAdded(std::string_view call);
