#pragma once
// TBrowse4Folder: the shell's folder-browsing dialog; Execute returns whether
// the user chose a folder with a file-system path, then in SelectedDir.

#include <string>

#include "toolkit/Component.h"
#include "toolkit/SysUtils.h"

enum TOption : unsigned {
    OnlySelectFileSysDir = 0x0001,
    NoNetDirBelowDomain = 0x0002,
    ShowStatusText = 0x0004,
    OnlySelectFileSysAncestors = 0x0008,
    ShowEditBox = 0x0010,
    ValidateEditBox = 0x0020,
    UseNewDialogStyle = 0x0040,
    HideNewUserInterface = 0x0050,
    ShowAlsoURLs = 0x0080,
    ShowUsageHint = 0x0100,
    HideNewFolderButton = 0x0200,
    DontTranslateShortcuts = 0x0400,
    OnlySelectComputers = 0x1000,
    OnlySelectPrinters = 0x2000,
    ShowAlsoFiles = 0x4000,
    ShowShareableRes = 0x8000,
};
// The dialog's BIF_ flags: the members' values added up.
using TOptions = unsigned;

enum class TWinPaths {
    Desktop, StartMenu, StartMenuPrograms, Startup, MyDocuments, ApplicationData, Fonts, SendTo,
    MyRecentDocuments, Favorites, Cache, Cookies, History, NetHood, PrintHood, Templates,
    LocalAppData, WindowsRoot, WindowsSystem, TempFolder, PCRootDrive, ProgramFiles, CommonFiles,
    Media, DownloadFolder,
};

// The folder a well-known place names on this system, ending in "\"; empty
// when the system has no such folder.
std::wstring WinPathFolder(TWinPaths place);

class TBrowse4Folder : public TComponent {
public:
    explicit TBrowse4Folder(TComponent* owner);
    const char* ClassName() const override { return "TBrowse4Folder"; }

    std::string About() const { return "Parivex folder picker"; }
    void SetAbout(const std::string&) {}
    const std::wstring& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::wstring& folder) { initialDir_ = folder; }
    TOptions Options() const { return options_; }
    void SetOptions(TOptions options) { options_ = options; }
    TWinPaths Root() const { return root_; }
    void SetRoot(TWinPaths root) { root_ = root; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    bool ShowTitle() const { return showTitle_; }
    void SetShowTitle(bool value) { showTitle_ = value; }
    const std::wstring& SelectedDir() const { return selectedDir_; }

    bool Execute();
    void Loaded() override;

private:
    std::wstring initialDir_;
    TOptions options_ = ShowEditBox | UseNewDialogStyle;
    TWinPaths root_ = TWinPaths::Desktop;
    std::string title_;
    bool showTitle_ = true;
    std::wstring selectedDir_;
};
