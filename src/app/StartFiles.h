#pragma once
// The files the program is started with: `parivex.exe [FILE1 [FILE2]]`, as
// the desktop shell passes them from its Send To menu or a user types them.

#include <string>
#include <vector>

// The first two arguments after the program's name in `commandLine`, split by
// the system's rules for quotes and spaces (CommandLineToArgvW); the others
// are ignored. Each is made absolute against the folder the program started
// in (StartFolder).
std::vector<std::string> StartFilesOf(const wchar_t* commandLine);

// One argument as a path text (the system code page). A character that the
// code page cannot hold becomes "?", which no file name contains, so the path
// names no file rather than another one the code page's nearest character
// would name (ToSystemCodePage). A relative path is made absolute against the start folder,
// except one whose names end in a dot or a space: the system drops those
// while it expands a path, which would turn it into the path of another file.
std::string StartFilePath(const std::wstring& argument);
