#pragma once
// TOpenDialog: the system's open-file dialog (a derived class may show the
// save-file one instead), with the settings a program gives it and the file
// names it returns.

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

#include "toolkit/Component.h"

// The dialog's options, as a set: each option is one bit, in this order.
enum TOpenOption : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofNoNetworkButton = 1u << 14,
    ofNoLongNames = 1u << 15,
    ofOldStyleDialog = 1u << 16,
    ofNoDereferenceLinks = 1u << 17,
    ofEnableIncludeNotify = 1u << 18,
    ofEnableSizing = 1u << 19,
};
using TOpenOptions = unsigned;

// The system dialog's flags for a set of options.
DWORD OpenFileNameFlags(TOpenOptions options);

class TOpenDialog : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TOpenDialog"; }

    // Entries "description|pattern|description|pattern...".
    std::string Filter;
    int FilterIndex = 1;
    std::string InitialDir;
    std::string DefaultExt;
    std::string Title;  // empty: the system's own title
    // Before Execute the name the dialog starts with; after a confirmed one
    // the full path of the (first) chosen file.
    std::string FileName;
    // Every chosen file of the last confirmed dialog.
    std::vector<std::string> Files;
    std::vector<std::string> HistoryList;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
    int HelpContext = 0;

    // Shows the dialog modally over owner (the active window when none) and
    // waits; true when the user confirmed a file, false when cancelled. Asked
    // in UTF-16, so that a name in any script the code page holds comes back
    // whole; the current folder is the same after it as before, whatever
    // folder the user browsed (and whatever ofNoChangeDir says).
    bool Execute(HWND owner = nullptr);

    // Every setting, the file name and the chosen files of another dialog.
    void AssignSettings(const TOpenDialog& other);

protected:
    virtual BOOL RunDialog(OPENFILENAMEW& request) { return GetOpenFileNameW(&request); }

private:
    void TakeResult(const std::vector<wchar_t>& buffer, DWORD flags);
};
