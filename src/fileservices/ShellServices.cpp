#include "fileservices/ShellServices.h"

#include <filesystem>
#include <memory>

#include "toolkit/DroppedFiles.h"
#include "toolkit/SysUtils.h"

void AcceptDroppedFiles(HWND window, bool accept)
{
    DragAcceptFiles(window, accept ? TRUE : FALSE);
}

std::vector<std::string> DroppedPaths(HDROP drop)
{
    return DroppedFileNames(drop);
}

std::string ShellFileTypeName(const std::string& fullPath)
{
    // Asked in wide text, so that a long path reaches the shell and a name of
    // up to 80 characters is not cut inside a character.
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(FromSystemCodePage(fullPath).c_str(), 0, &info, sizeof info, SHGFI_TYPENAME))
        return {};
    info.szTypeName[std::size(info.szTypeName) - 1] = L'\0';
    return ToSystemCodePage(info.szTypeName);
}

bool RunShellFileOperation(SHFILEOPSTRUCTA& request)
{
    request.fAnyOperationsAborted = FALSE;
    int result = SHFileOperationA(&request);
    return result == 0 && !request.fAnyOperationsAborted;
}

bool ConfirmMoveUnderWine(const std::string& sourceFile, const std::string& targetFolder,
                          FILEOP_FLAGS flags)
{
    if (!RunningUnderWine())
        return true;
    std::size_t slash = sourceFile.find_last_of("\\/");
    std::string name = slash == std::string::npos ? sourceFile : sourceFile.substr(slash + 1);
    std::string folder = targetFolder;
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    std::string destination = folder + "\\" + name;
    if (lstrcmpiW(FromSystemCodePage(destination).c_str(), FromSystemCodePage(sourceFile).c_str()) == 0)
        return false;
    if (FileAttributesOf(destination) == INVALID_FILE_ATTRIBUTES)
        return true;
    if (flags & (FOF_NOCONFIRMATION | FOF_RENAMEONCOLLISION))
        return true;
    std::string question = "This folder already contains a file named '" + name +
                           "'.\n\nWould you like to replace the existing file?";
    return MessageBoxA(nullptr, question.c_str(), "Confirm File Replace",
                       MB_YESNO | MB_ICONWARNING | MB_TASKMODAL) == IDYES;
}

void OpenAddress(HWND owner, const std::string& address)
{
    ShellExecuteA(owner, "Open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool RunningUnderWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

namespace {
std::string Environment(const char* name)
{
    DWORD length = GetEnvironmentVariableA(name, nullptr, 0);
    if (!length)
        return {};
    std::string value(length, '\0');
    DWORD copied = GetEnvironmentVariableA(name, value.data(), length);
    value.resize(copied);
    return value;
}

// Wine's kernel32 converts a Unix path to the Windows path that reaches it.
std::string DosPathOfUnixPath(const std::string& unixPath)
{
    using Convert = WCHAR* (*)(const char*);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto convert = kernel ? reinterpret_cast<Convert>(
                                reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")))
                          : nullptr;
    if (!convert)
        return {};
    WCHAR* wide = convert(unixPath.c_str());
    if (!wide)
        return {};
    int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string path(std::size_t(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, path.data(), size, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, wide);
    path.resize(std::char_traits<char>::length(path.c_str()));
    return path;
}
}  // namespace

std::string WineTrashFolder()
{
    if (!RunningUnderWine())
        return {};
    // The desktop's trash lives in $XDG_DATA_HOME/Trash, by default
    // ~/.local/share/Trash, with files/ for the contents and info/ for where
    // each came from. Wine hands XDG_DATA_HOME on as it is (a Unix path), and
    // the home folder as WINEHOMEDIR, already a Windows path ("\??\Z:\root").
    std::string dataHome = Environment("XDG_DATA_HOME");
    if (!dataHome.empty() && dataHome[0] == '/')
        return DosPathOfUnixPath(dataHome + "/Trash");
    std::string home = Environment("WINEHOMEDIR");
    if (home.rfind("\\??\\", 0) == 0)
        home.erase(0, 4);
    if (home.empty())
        return {};
    return home + "\\.local\\share\\Trash";
}

bool EnsureRecycleBin()
{
    if (!RunningUnderWine())
        return true;
    std::string trash = WineTrashFolder();
    if (trash.empty())
        return false;
    std::error_code error;
    std::filesystem::path root(FromSystemCodePage(trash));
    for (const char* part : {"files", "info"}) {
        std::filesystem::create_directories(root / part, error);
        if (!std::filesystem::is_directory(root / part, error))
            return false;
    }
    return true;
}
