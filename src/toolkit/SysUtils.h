#pragma once
// Texts the system gives about files and failures, and the file calls made
// for the program's path texts. Path texts are in the system code page, which
// the program's manifest makes UTF-8; the file calls go through the wide API,
// since the single-byte ones stop at 260 characters under Wine whatever the
// manifest says (measured under Wine 8: CreateFileA and GetFileAttributesA
// fail with error 206 on a 336-character path that CreateFileW opens).

#include <windows.h>

#include <string>

#include "toolkit/Handles.h"

// The system's description of an error number (as from GetLastError), with
// trailing white space and full stops removed, so that callers can embed it
// and the error box can add its own full stop. Empty when the system has no
// text for the number.
std::string SysErrorMessage(unsigned long code);

// `path` made absolute against the current folder, with "." and ".."
// resolved; any length. The path as given when the system cannot expand it.
std::string ExpandFileName(const std::string& path);

// Text in the system code page to UTF-16 and back.
std::wstring FromSystemCodePage(const std::string& text);
std::string ToSystemCodePage(const std::wstring& text);

// The attributes of the file or folder at `path`; INVALID_FILE_ATTRIBUTES
// when the system returns none (missing, unreachable, malformed).
DWORD FileAttributesOf(const std::string& path);

// Opens the existing file at `path` (CreateFile with OPEN_EXISTING); an empty
// handle when it cannot, with the reason in GetLastError.
UniqueFile OpenExistingFile(const std::string& path, DWORD access, DWORD share,
                            DWORD flags = FILE_ATTRIBUTE_NORMAL);
