#include "toolkit/Dialogs.h"

#include <algorithm>
#include <iterator>

#include "toolkit/SysUtils.h"

namespace {

// Room for a multiple selection's folder and names.
constexpr std::size_t kFileBufferSize = 32768;

struct FlagOf {
    TOpenOption option;
    DWORD flag;
};
constexpr FlagOf kFlags[] = {
    {ofReadOnly, OFN_READONLY},
    {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
    {ofHideReadOnly, OFN_HIDEREADONLY},
    {ofNoChangeDir, OFN_NOCHANGEDIR},
    {ofShowHelp, OFN_SHOWHELP},
    {ofNoValidate, OFN_NOVALIDATE},
    {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
    {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
    {ofPathMustExist, OFN_PATHMUSTEXIST},
    {ofFileMustExist, OFN_FILEMUSTEXIST},
    {ofCreatePrompt, OFN_CREATEPROMPT},
    {ofShareAware, OFN_SHAREAWARE},
    {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
    {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
    {ofNoNetworkButton, OFN_NONETWORKBUTTON},
    {ofNoLongNames, OFN_NOLONGNAMES},
    {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
    {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
    {ofEnableSizing, OFN_ENABLESIZING},
};

// "a|b|c|d" as the dialog wants it: "a\0b\0c\0d\0\0".
std::vector<wchar_t> FilterList(const std::string& filter)
{
    std::wstring wide = FromSystemCodePage(filter);
    std::vector<wchar_t> list(wide.begin(), wide.end());
    std::replace(list.begin(), list.end(), L'|', L'\0');
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

// A text for the dialog, null when empty.
const wchar_t* OrNull(const std::wstring& text)
{
    return text.empty() ? nullptr : text.c_str();
}

// With a hook procedure the system shows the Explorer-style dialog, whose
// window tree (standard controls, a nested dialog for the hook, a list view
// of the files) skinning can reach, rather than the item dialog of Windows
// Vista and later, drawn by the shell's own framework. The hook changes
// nothing: every message goes on to the dialog's own handling.
UINT_PTR CALLBACK PassEverythingOn(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

}  // namespace

DWORD OpenFileNameFlags(TOpenOptions options)
{
    DWORD flags = (options & ofOldStyleDialog) ? 0 : OFN_EXPLORER;
    for (const FlagOf& f : kFlags)
        if (options & f.option)
            flags |= f.flag;
    return flags;
}

void TOpenDialog::AssignSettings(const TOpenDialog& other)
{
    Filter = other.Filter;
    FilterIndex = other.FilterIndex;
    InitialDir = other.InitialDir;
    DefaultExt = other.DefaultExt;
    Title = other.Title;
    FileName = other.FileName;
    Files = other.Files;
    HistoryList = other.HistoryList;
    Options = other.Options;
    HelpContext = other.HelpContext;
}

bool TOpenDialog::Execute(HWND owner)
{
    std::vector<wchar_t> filter = FilterList(Filter);
    const std::wstring name = FromSystemCodePage(FileName);
    // A relative folder is one of the start folder, as every relative path text.
    const std::wstring initialDir = FromSystemCodePage(ExpandFileName(InitialDir)), title = FromSystemCodePage(Title),
                       defaultExt = FromSystemCodePage(DefaultExt);
    std::vector<wchar_t> file(std::max(kFileBufferSize, name.size() + 1), L'\0');
    std::copy(name.begin(), name.end(), file.begin());
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner ? owner : GetActiveWindow();
    request.lpstrFilter = Filter.empty() ? nullptr : filter.data();
    request.nFilterIndex = DWORD(std::max(FilterIndex, 0));
    request.lpstrFile = file.data();
    request.nMaxFile = DWORD(file.size());
    request.lpstrInitialDir = OrNull(initialDir);
    request.lpstrTitle = OrNull(title);
    request.lpstrDefExt = OrNull(defaultExt);
    // The program's relative paths name files in the folder it started in;
    // browsing must not move it. Windows ignores the flag for the open
    // dialog, hence the guard as well.
    request.Flags = OpenFileNameFlags(Options) | OFN_NOCHANGEDIR;
    if (request.Flags & OFN_EXPLORER) {
        request.Flags |= OFN_ENABLEHOOK;
        request.lpfnHook = PassEverythingOn;
    }
    BOOL confirmed;
    {
        TCurrentFolderKept folderKept;
        confirmed = RunDialog(request);
    }
    if (!confirmed)
        return false;
    FilterIndex = int(request.nFilterIndex);
    TakeResult(file, request.Flags);
    return true;
}

// One name, or with a multiple selection the folder followed by the names,
// each ended by a zero and the list by a second one.
void TOpenDialog::TakeResult(const std::vector<wchar_t>& buffer, DWORD flags)
{
    std::vector<std::string> parts;
    for (auto at = buffer.begin(); at != buffer.end() && *at;) {
        auto end = std::find(at, buffer.end(), L'\0');
        parts.push_back(ToSystemCodePage(std::wstring(at, end)));
        at = end == buffer.end() ? end : std::next(end);
        if (!(flags & OFN_ALLOWMULTISELECT))
            break;
    }
    Files.clear();
    if (parts.size() <= 1) {
        Files = parts;
    } else {
        std::string folder = parts.front();
        if (!folder.empty() && folder.back() != '\\')
            folder += '\\';
        for (std::size_t i = 1; i < parts.size(); ++i)
            Files.push_back(folder + parts[i]);
    }
    FileName = Files.empty() ? std::string() : Files.front();
    Options = (flags & OFN_READONLY) ? (Options | ofReadOnly) : (Options & ~unsigned(ofReadOnly));
}
