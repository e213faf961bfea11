#pragma once
// The shell's framework windows inside the system's dialogs. On Windows 10
// and 11 the file list, address bar, search box and command bar of the shell
// (and the item views of its file-operation dialogs) are drawn by a
// framework of its own inside host windows of the classes listed here: their
// children are made anew at every folder change, moved without WM_SIZE, and
// WM_CTLCOLOR... from inside a host goes to the host, not to the dialog. Our
// adapters cannot hold a look there, so a host and everything below it keeps
// the window system's look while the dialog's frame stays skinned.

#include <windows.h>

// A host window of the shell's framework (its own class, or a rebar that
// holds the shell's travel band).
bool IsShellHostWindow(HWND window);

// window is a host or lies below one, up to (and not counting) the window top.
bool IsInsideShellHost(HWND window, HWND top);
