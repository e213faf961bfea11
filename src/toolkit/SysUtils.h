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

// `path` made absolute against the start folder (StartFolder), with "." and
// ".." resolved; any length. The path as given when the system cannot expand it.
std::string ExpandFileName(const std::string& path);

// The code page of path texts: the system's (GetACP), unless a test replaced
// it (TCodePageOverride).
UINT SystemCodePage();

// Text in the system code page to UTF-16 and back. Towards the code page no
// character is ever mapped to a look-alike (the system's "best fit" would
// turn a dropped "Łódź.txt" into "Lodz.txt" under code page 1252, and the
// commands would act on that other file): a character the code page cannot
// hold, an unpaired surrogate included, becomes "?", which no file name can
// hold, so such a path names no file (FileCallPath).
std::wstring FromSystemCodePage(const std::string& text);
std::string ToSystemCodePage(const std::wstring& text);
// Whether ToSystemCodePage keeps text whole (converting back gives text).
bool SystemCodePageHolds(const std::wstring& text);

// Replaces the code page of path texts while it lives (for tests: the
// program's manifest makes it UTF-8 wherever the system honours that, so the
// behaviour under an older system's code page is only seen this way).
class TCodePageOverride {
public:
    explicit TCodePageOverride(UINT codePage);
    TCodePageOverride(const TCodePageOverride&) = delete;
    TCodePageOverride& operator=(const TCodePageOverride&) = delete;
    ~TCodePageOverride();

private:
    UINT saved_;
};

// The folder the program started in, taken before anything can change the
// current folder. A relative path text names a file relative to it, whatever
// the current folder is meanwhile: a dialog (or any call) that moves the
// current folder must not make a typed "a.bin" name another file.
const std::wstring& StartFolder();

// Replaces the start folder, and the current folder with it, while it lives (for tests).
class TStartFolderOverride {
public:
    explicit TStartFolderOverride(const std::string& folder);
    TStartFolderOverride(const TStartFolderOverride&) = delete;
    TStartFolderOverride& operator=(const TStartFolderOverride&) = delete;
    ~TStartFolderOverride();

private:
    std::wstring saved_;
};

// Puts the current folder back to what it was when the scope began (around
// calls that move it, such as the open-file dialog on Windows, which does not
// honour OFN_NOCHANGEDIR).
class TCurrentFolderKept {
public:
    TCurrentFolderKept();
    TCurrentFolderKept(const TCurrentFolderKept&) = delete;
    TCurrentFolderKept& operator=(const TCurrentFolderKept&) = delete;
    ~TCurrentFolderKept();

private:
    std::wstring saved_;
};

// The path the wide file calls take for a path text: made absolute against
// the start folder, and given the "\\?\" prefix when it is 260 characters or
// longer (so that it opens on Windows without the system's long-path
// setting). Empty when the text names no file: empty, or holding "?" or "*"
// (outside a leading "\\?\"), which no file name holds and which is what a
// character outside the code page became.
std::wstring FileCallPath(const std::string& path);

// The attributes of the file or folder at `path`; INVALID_FILE_ATTRIBUTES
// when the system returns none (missing, unreachable, malformed, or a text
// FileCallPath refuses).
DWORD FileAttributesOf(const std::string& path);

// Opens the existing file at `path` (CreateFile with OPEN_EXISTING); an empty
// handle when it cannot, with the reason in GetLastError.
UniqueFile OpenExistingFile(const std::string& path, DWORD access, DWORD share,
                            DWORD flags = FILE_ATTRIBUTE_NORMAL);
