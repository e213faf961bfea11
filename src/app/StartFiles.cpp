#include "app/StartFiles.h"

#include <windows.h>

#include <shellapi.h>

#include "app/frmMain.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr std::size_t StartFileCount = 2;

// The argument list CommandLineToArgvW allocates, freed once.
class ArgumentList {
public:
    explicit ArgumentList(const wchar_t* commandLine)
        : arguments_(CommandLineToArgvW(commandLine, &count_))
    {
    }
    ArgumentList(const ArgumentList&) = delete;
    ArgumentList& operator=(const ArgumentList&) = delete;
    ~ArgumentList() { LocalFree(arguments_); }
    int Count() const { return arguments_ ? count_ : 0; }
    const wchar_t* operator[](int index) const { return arguments_[index]; }

private:
    int count_ = 0;
    wchar_t** arguments_;
};

}  // namespace

std::string StartFilePath(const std::wstring& argument)
{
    std::string path = ToSystemCodePage(argument);
    if (path.empty() || HasUnreachableName(path))
        return path;
    return ExpandFileName(path);
}

std::vector<std::string> StartFilesOf(const wchar_t* commandLine)
{
    ArgumentList arguments(commandLine);
    std::vector<std::string> files;
    for (int i = 1; i < arguments.Count() && files.size() < StartFileCount; ++i)
        files.push_back(StartFilePath(arguments[i]));
    return files;
}
