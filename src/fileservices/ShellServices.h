#pragma once
// The thin layer over the desktop shell that the file services and the main
// window call: drop target and dropped paths, file type names, delete and
// move, folder browsing helpers, opening an address, and the recycle bin.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

// Registers (or unregisters) a window as a target for files dropped from the shell.
void AcceptDroppedFiles(HWND window, bool accept);

// Every path of a drop, each taken whole whatever its length.
std::vector<std::string> DroppedPaths(HDROP drop);

// Releases a drop handle once, at the end of the scope.
class DropHandle {
public:
    explicit DropHandle(HDROP drop) : drop_(drop) {}
    DropHandle(const DropHandle&) = delete;
    DropHandle& operator=(const DropHandle&) = delete;
    ~DropHandle() { DragFinish(drop_); }
    HDROP Get() const { return drop_; }

private:
    HDROP drop_;
};

// The shell's name for the type of the file at fullPath, at most 80 characters;
// empty when it has none.
std::string ShellFileTypeName(const std::string& fullPath);

// Runs a shell file operation; true when it returned 0 and nothing was aborted.
bool RunShellFileOperation(SHFILEOPSTRUCTA& request);

// Wine's shell moves a file over another of the same name without asking,
// where the Windows shell asks. Under Wine this stands in for the shell: false
// for a replacement the user declines in a box worded like the shell's.
// Always true on Windows. (A move into the file's own folder, which Wine's
// shell reports as done, is refused before: TPvxFileCtrl::Move.)
bool ConfirmMoveUnderWine(const std::string& sourceFile, const std::string& targetFolder,
                          FILEOP_FLAGS flags);

// Opens an address with the desktop's handler for it; the result is ignored.
void OpenAddress(HWND owner, const std::string& address);

// Makes sure a delete "to the recycle bin" can keep the file. Under Wine the
// bin is the desktop's trash folder, and Wine deletes permanently when that
// folder is missing (as on a fresh account); this creates it. False when the
// bin cannot be made ready, in which case nothing must be deleted.
bool EnsureRecycleBin();

// Whether the program runs under Wine rather than on Windows.
bool RunningUnderWine();

// The Windows path of the desktop's trash folder under Wine (empty on Windows).
std::string WineTrashFolder();
