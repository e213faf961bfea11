#include "fileservices/PvxFileCtrl.h"

#include "core/Exceptions.h"
#include "fileservices/ShellServices.h"
#include "fileservices/StampFormat.h"
#include "toolkit/Handles.h"
#include "toolkit/SysUtils.h"

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
    if (singleMove && !ConfirmMoveUnderWine(ExpandFileName(source), ExpandFileName(target), flags))
        return false;
    SHFILEOPSTRUCTA request{};
    request.hwnd = nullptr;
    request.wFunc = operation;
    request.pFrom = from.c_str();  // c_str's own zero ends the list
    request.pTo = operation == FO_DELETE ? from.c_str() : to.c_str();
    request.fFlags = flags;
    request.lpszProgressTitle = "";
    return RunShellFileOperation(request);
}
