#include "fileservices/PvxFileCtrl.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "core/Exceptions.h"
#include "fileservices/ShellServices.h"
#include "fileservices/StampFormat.h"
#include "toolkit/Handles.h"
#include "toolkit/SysUtils.h"
#include "toolkit/TaskWindows.h"

namespace {

bool IsExistingFile(const std::string& path)
{
    DWORD attributes = FileAttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Opens the file for reading with no sharing: fails while any other program
// has it open, which the size and stamps report as 0 and empty.
UniqueFile OpenUnshared(const std::string& path)
{
    return OpenExistingFile(path, GENERIC_READ, 0);
}

// Asked in wide text: the single-byte calls answer in the locale's own code
// page, which need not be the program's.
std::string LocaleText(int (*format)(LCID, DWORD, const SYSTEMTIME*, LPCWSTR, LPWSTR, int),
                       DWORD flags, const SYSTEMTIME& time)
{
    wchar_t text[128] = {};
    format(LOCALE_USER_DEFAULT, flags, &time, nullptr, text, int(std::size(text)));
    return ToSystemCodePage(text);
}

std::string DefaultStamp(const SYSTEMTIME& time)
{
    std::string text = LocaleText(GetDateFormatW, DATE_SHORTDATE, time);
    if (time.wHour != 0 || time.wMinute != 0 || time.wSecond != 0)
        text += " " + LocaleText(GetTimeFormatW, 0, time);
    return text;
}

// A path as a one-entry shell list: full path, then the list's end marker. A
// text that already holds zero characters is taken as a ready list.
std::string ShellList(const std::string& path)
{
    if (path.find('\0') != std::string::npos)
        return path;
    return ExpandFileName(path) + '\0';
}

// The paths of a text that may be a ready-made shell list.
std::vector<std::string> ListEntries(const std::string& text)
{
    std::vector<std::string> entries;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find('\0', start), text.size());
        if (end == start)
            break;  // the list's end marker
        entries.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

bool IsExistingFolder(const std::string& path)
{
    DWORD attributes = FileAttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder a file's directory entry is in: its full path up to the last
// separator (kept after a drive, "C:\").
std::string FolderOf(const std::string& path)
{
    std::string full = ExpandFileName(path);
    std::size_t slash = full.find_last_of("\\/");
    if (slash == std::string::npos)
        return full;
    bool root = slash > 0 && full[slash - 1] == ':';
    return full.substr(0, root ? slash + 1 : slash);
}

// Which folder a path reaches, whatever the text: its volume's serial number
// and its file index. Empty when the folder cannot be opened.
struct FolderIdentity {
    DWORD volume = 0, indexHigh = 0, indexLow = 0;
    friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

std::optional<FolderIdentity> IdentityOf(const std::string& folder)
{
    UniqueFile handle = OpenExistingFile(folder, FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         FILE_FLAG_BACKUP_SEMANTICS);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!handle || !GetFileInformationByHandle(handle.Get(), &info))
        return std::nullopt;
    return FolderIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

// A link, a short 8.3 name or another drive letter can lead to the folder
// that already holds the file; only the identities tell.
bool InItsOwnFolder(const std::string& file, const std::string& folder)
{
    std::optional<FolderIdentity> target = IdentityOf(folder);
    std::optional<FolderIdentity> own = IdentityOf(FolderOf(file));
    return target && own && *target == *own;
}

}  // namespace

FILEOP_FLAGS ShellFlags(TPvxFileOpFlags options)
{
    static constexpr FILEOP_FLAGS flags[] = {FOF_FILESONLY, FOF_NOCONFIRMATION, FOF_NOCONFIRMMKDIR,
                                             FOF_RENAMEONCOLLISION, FOF_NOERRORUI, FOF_SILENT,
                                             FOF_SIMPLEPROGRESS, FOF_ALLOWUNDO};
    FILEOP_FLAGS result = 0;
    for (unsigned i = 0; i < std::size(flags); ++i)
        if (options & (1u << i))
            result |= flags[i];
    return result;
}

TPvxFileCtrl::TPvxFileCtrl(TComponent* owner) : TPvxShellComponent(owner) {}

bool TPvxFileCtrl::Exists() const
{
    return !fileName_.empty() && IsExistingFile(fileName_);
}

void TPvxFileCtrl::SetFileName(const std::string& path)
{
    if (IsExistingFile(path))
        fileName_ = ExpandFileName(path);
}

std::string TPvxFileCtrl::FileNameOnly() const
{
    std::size_t folderEnd = fileName_.find_last_of("\\:");
    std::string name = folderEnd == std::string::npos ? fileName_ : fileName_.substr(folderEnd + 1);
    std::size_t dot = name.find('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string TPvxFileCtrl::FileExtension() const
{
    std::size_t last = fileName_.find_last_of(".\\:");
    if (last == std::string::npos || fileName_[last] != '.')
        return {};
    return fileName_.substr(last);
}

std::int64_t TPvxFileCtrl::FileSize64() const
{
    if (!Exists())
        return -1;
    UniqueFile file = OpenUnshared(fileName_);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size))
        return -1;
    return size.QuadPart;
}

std::int32_t TPvxFileCtrl::FileSize() const
{
    std::int64_t size = FileSize64();
    return size < 0 ? 0 : static_cast<std::int32_t>(static_cast<std::uint32_t>(size));
}

std::string TPvxFileCtrl::Stamp(int index) const
{
    if (!Exists())
        return {};
    FILETIME times[3] = {};
    {
        UniqueFile file = OpenUnshared(fileName_);
        if (!file || !GetFileTime(file.Get(), &times[0], &times[1], &times[2]))
            return {};
    }
    FILETIME local{};
    SYSTEMTIME time{};
    if (!FileTimeToLocalFileTime(&times[index], &local) || !FileTimeToSystemTime(&local, &time))
        return {};
    if (stampFormat_.empty())
        return DefaultStamp(time);
    try {
        StampTime t{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                    time.wMilliseconds};
        return FormatStamp(stampFormat_, t);
    } catch (const Exception&) {
        return DefaultStamp(time);
    }
}

std::string TPvxFileCtrl::FileType() const
{
    if (!Exists())
        return {};
    std::string name = ShellFileTypeName(fileName_);
    if (!name.empty())
        return name;
    // Upper case in any script, as the system's own rules have it.
    std::wstring extension = FromSystemCodePage(FileExtension());
    CharUpperBuffW(extension.data(), DWORD(extension.size()));
    return ToSystemCodePage(extension) + "-Files";
}

TPvxFileCtrlAttributes TPvxFileCtrl::Attributes() const
{
    if (!Exists())
        return 0;
    DWORD bits = FileAttributesOf(fileName_);
    if (bits == INVALID_FILE_ATTRIBUTES)
        return 0;
    static constexpr std::pair<TPvxFileCtrlAttribute, DWORD> table[] = {
        {fcaArchive, FILE_ATTRIBUTE_ARCHIVE},     {fcaReadonly, FILE_ATTRIBUTE_READONLY},
        {fcaDirectory, FILE_ATTRIBUTE_DIRECTORY}, {fcaSystem, FILE_ATTRIBUTE_SYSTEM},
        {fcaHidden, FILE_ATTRIBUTE_HIDDEN},       {fcaTemporary, FILE_ATTRIBUTE_TEMPORARY},
        {fcaNormal, FILE_ATTRIBUTE_NORMAL},       {fcaCompressed, FILE_ATTRIBUTE_COMPRESSED},
        {fcaOffline, FILE_ATTRIBUTE_OFFLINE},
    };
    TPvxFileCtrlAttributes result = 0;
    for (const auto& [attribute, bit] : table)
        if (bits & bit)
            result |= attribute;
    return result;
}

bool TPvxFileCtrl::Delete(const std::string& path)
{
    return ShellOperation(path, std::string(), FO_DELETE);
}

bool TPvxFileCtrl::Move(const std::string& path, const std::string& targetFolder)
{
    // Given a path that is no folder, the shell would rename the file to it.
    std::vector<std::string> targets = ListEntries(targetFolder);
    if (targets.empty() || !IsExistingFolder(targets.front()))
        return false;
    for (const std::string& source : ListEntries(path))
        if (InItsOwnFolder(source, targets.front()))
            return false;
    return ShellOperation(path, targetFolder, FO_MOVE);
}

bool TPvxFileCtrl::ShellOperation(const std::string& source, const std::string& target,
                                  UINT operation)
{
    if (source.empty())
        return false;
    FILEOP_FLAGS flags = ShellFlags(options_);
    // Asked for the recycle bin, a delete must never remove the file for good.
    if (operation == FO_DELETE && (flags & FOF_ALLOWUNDO) && !EnsureRecycleBin())
        return false;
    std::string from = ShellList(source);
    std::string to = target.empty() ? std::string() : ShellList(target);
    bool singleMove = operation == FO_MOVE && source.find('\0') == std::string::npos &&
                      target.find('\0') == std::string::npos;
    // The shell's dialogs are owned by no window: keep the program's windows
    // inert until the operation ends, so that no click, key or drop starts
    // another command on the files the shell is working on.
    HWND active = GetActiveWindow();
    TTaskWindowsDisabled inert;
    bool done = (!singleMove || ConfirmMoveUnderWine(ExpandFileName(source), ExpandFileName(target), flags)) &&
                RunShell(operation, from, to, flags);
    inert.Restore();
    if (active && IsWindow(active))
        SetActiveWindow(active);
    return done;
}

bool TPvxFileCtrl::RunShell(UINT operation, const std::string& from, const std::string& to, FILEOP_FLAGS flags)
{
    SHFILEOPSTRUCTA request{};
    request.hwnd = nullptr;
    request.wFunc = operation;
    request.pFrom = from.c_str();  // c_str's own zero ends the list
    request.pTo = operation == FO_DELETE ? from.c_str() : to.c_str();
    request.fFlags = flags;
    request.lpszProgressTitle = "";
    return RunShellFileOperation(request);
}
