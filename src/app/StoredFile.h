#pragma once
// Only files stored on a disk are compared and checksummed. Windows only.

#include <windows.h>

#include <string>

// Throws EFOpenError ("Cannot open file "<full path>". It is not a file
// stored on a disk") unless the open file is a regular file on a disk that
// holds exactly the bytes its size tells. Pipes and devices (NUL, CON, COM1)
// are refused before anything is read from them, since a read can wait for a
// writer that never comes; so are files a file system makes up as they are
// read (Linux's /proc under Wine, whose files tell a size of 0 and yet give
// bytes, and give other bytes at every read).
void RequireStoredFile(HANDLE file, const std::string& path);
