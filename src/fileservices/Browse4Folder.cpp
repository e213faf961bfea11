#include "fileservices/Browse4Folder.h"

#include <windows.h>

#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>

#include "fileservices/ShellServices.h"
#include "toolkit/Application.h"

namespace {

// The folder the dialog preselects, read by its callback.
std::string BrowseInitialDir;

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM)
{
    if (message == BFFM_INITIALIZED)
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE,
                     reinterpret_cast<LPARAM>(BrowseInitialDir.c_str()));
    return 0;
}

// The item list the dialog returns, freed with the shell's task allocator.
struct ItemList {
    PIDLIST_ABSOLUTE items = nullptr;
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    explicit ItemList(PIDLIST_ABSOLUTE list) : items(list) {}
    ~ItemList() { CoTaskMemFree(items); }
};

std::wstring KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)) && path)
        result = path;
    CoTaskMemFree(path);
    return result;
}

// The folder's file-system path, wide and of any length: the single-byte
// call has room for 260 bytes, which a UTF-8 path reaches at 87 characters
// in some scripts. Empty for a virtual folder.
std::wstring FileSystemPath(PCIDLIST_ABSOLUTE items)
{
    std::wstring path(32768, L'\0');
    if (!SHGetPathFromIDListEx(items, path.data(), DWORD(path.size()), GPFIDL_DEFAULT))
        return {};
    path.resize(std::char_traits<wchar_t>::length(path.c_str()));
    return path;
}

// Wine's dialog finds the folder to preselect by matching the items of its
// tree byte for byte against the parsed path, access times included. Parsing
// the path reads each folder on it, and on a disk mounted with relatime (the
// Linux default) the first read after a change moves a folder's access time:
// the parent read after its item was parsed then no longer matches, and the
// dialog opens without the folder (measured under Wine 8: a folder made just
// before failed on the first showing every time, never once its path had
// been parsed). Parsing it once beforehand lets those times settle.
void SettleFolderTimesUnderWine(const std::wstring& folder)
{
    if (folder.empty() || !RunningUnderWine())
        return;
    PIDLIST_ABSOLUTE items = nullptr;
    if (SUCCEEDED(SHParseDisplayName(folder.c_str(), nullptr, &items, 0, nullptr)))
        CoTaskMemFree(items);
}

std::wstring WithBackslash(std::wstring folder)
{
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

}  // namespace

std::wstring WinPathFolder(TWinPaths place)
{
    switch (place) {
    case TWinPaths::Desktop: return WithBackslash(KnownFolder(FOLDERID_Desktop));
    case TWinPaths::StartMenu: return WithBackslash(KnownFolder(FOLDERID_StartMenu));
    case TWinPaths::StartMenuPrograms: return WithBackslash(KnownFolder(FOLDERID_Programs));
    case TWinPaths::Startup: return WithBackslash(KnownFolder(FOLDERID_Startup));
    case TWinPaths::MyDocuments: return WithBackslash(KnownFolder(FOLDERID_Documents));
    case TWinPaths::ApplicationData: return WithBackslash(KnownFolder(FOLDERID_RoamingAppData));
    case TWinPaths::Fonts: return WithBackslash(KnownFolder(FOLDERID_Fonts));
    case TWinPaths::SendTo: return WithBackslash(KnownFolder(FOLDERID_SendTo));
    case TWinPaths::MyRecentDocuments: return WithBackslash(KnownFolder(FOLDERID_Recent));
    case TWinPaths::Favorites: return WithBackslash(KnownFolder(FOLDERID_Favorites));
    case TWinPaths::Cache: return WithBackslash(KnownFolder(FOLDERID_InternetCache));
    case TWinPaths::Cookies: return WithBackslash(KnownFolder(FOLDERID_Cookies));
    case TWinPaths::History: return WithBackslash(KnownFolder(FOLDERID_History));
    case TWinPaths::NetHood: return WithBackslash(KnownFolder(FOLDERID_NetHood));
    case TWinPaths::PrintHood: return WithBackslash(KnownFolder(FOLDERID_PrintHood));
    case TWinPaths::Templates: return WithBackslash(KnownFolder(FOLDERID_Templates));
    case TWinPaths::LocalAppData: return WithBackslash(KnownFolder(FOLDERID_LocalAppData));
    case TWinPaths::WindowsRoot: return WithBackslash(KnownFolder(FOLDERID_Windows));
    case TWinPaths::WindowsSystem: return WithBackslash(KnownFolder(FOLDERID_System));
    case TWinPaths::TempFolder: {
        wchar_t temp[MAX_PATH + 1] = {};
        DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        return WithBackslash(std::wstring(temp, length));
    }
    case TWinPaths::PCRootDrive: {
        std::wstring windows = KnownFolder(FOLDERID_Windows);
        return windows.size() >= 2 ? windows.substr(0, 2) + L"\\" : std::wstring();
    }
    case TWinPaths::ProgramFiles: return WithBackslash(KnownFolder(FOLDERID_ProgramFiles));
    case TWinPaths::CommonFiles: return WithBackslash(KnownFolder(FOLDERID_ProgramFilesCommon));
    case TWinPaths::Media: return WithBackslash(KnownFolder(FOLDERID_Music));
    case TWinPaths::DownloadFolder: return WithBackslash(KnownFolder(FOLDERID_Downloads));
    }
    return {};
}

TBrowse4Folder::TBrowse4Folder(TComponent* owner) : TComponent(owner) {}

void TBrowse4Folder::Loaded()
{
    TComponent::Loaded();
    if (initialDir_.empty())
        initialDir_ = WinPathFolder(root_);
}

bool TBrowse4Folder::Execute()
{
    try {
        BrowseInitialDir = ToSystemCodePage(initialDir_);
        SettleFolderTimesUnderWine(initialDir_);
        char buffer[MAX_PATH + 1] = {};
        BROWSEINFOA request{};
        // Owned by the active window of the program, so that it stays above it.
        request.hwndOwner = GetActiveWindow() ? GetActiveWindow()
                                              : (Application ? Application->Handle() : nullptr);
        request.pidlRoot = nullptr;
        request.pszDisplayName = buffer;
        request.lpszTitle = showTitle_ ? title_.c_str() : nullptr;
        request.ulFlags = options_;
        request.lpfn = BrowseCallback;
        ItemList chosen(SHBrowseForFolderA(&request));
        if (!chosen.items) {
            selectedDir_.clear();
            return false;
        }
        selectedDir_ = FileSystemPath(chosen.items);
        return !selectedDir_.empty();
    } catch (...) {
        return false;
    }
}
