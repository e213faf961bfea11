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

bool SurvivesCodePage(const std::wstring& text)
{
    return FromSystemCodePage(ToSystemCodePage(text)) == text;
}

// The text in the system code page, each character it cannot hold as "?".
// A surrogate pair is one character.
std::string CodePageTextOf(const std::wstring& text)
{
    if (SurvivesCodePage(text))
        return ToSystemCodePage(text);
    std::string converted;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() &&
                                     IS_LOW_SURROGATE(text[i + 1])
                                 ? 2
                                 : 1;
        std::wstring character = text.substr(i, length);
        converted += SurvivesCodePage(character) ? ToSystemCodePage(character) : "?";
        i += length;
    }
    return converted;
}

}  // namespace

std::string StartFilePath(const std::wstring& argument)
{
    std::string path = CodePageTextOf(argument);
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
