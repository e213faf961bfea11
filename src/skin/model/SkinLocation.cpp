#include "skin/model/SkinLocation.h"

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

std::string WithoutTrailingSeparators(std::string path)
{
    while (path.size() > 1 && IsSeparator(path.back()) && path[path.size() - 2] != ':')
        path.pop_back();
    return path;
}

// The folder above programFolder ("C:\Apps\Tool\" gives "C:\Apps\").
std::string_view ParentFolder(std::string_view programFolder)
{
    if (programFolder.empty())
        return {};
    std::string_view rest = programFolder.substr(0, programFolder.size() - 1);
    std::size_t cut = rest.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string_view{} : rest.substr(0, cut + 1);
}

}  // namespace

std::string SkinPackagePath(std::string_view skinDirectory, std::string_view skinName)
{
    std::string path(skinDirectory);
    if (path.size() == 1)
        path += ":\\";
    else if (!path.empty() && path.back() == '/')
        path.back() = '\\';
    else if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path + std::string(skinName) + ".qlk";
}

std::string ResolveSkinDirectory(std::string_view dir, std::string_view programFolder)
{
    std::string resolved;
    if (dir.starts_with(".."))
        resolved = std::string(ParentFolder(programFolder)) + std::string(dir.substr(std::min<std::size_t>(3, dir.size())));
    else if (dir.starts_with(".\\") || dir.starts_with("./"))
        resolved = std::string(programFolder) + std::string(dir.substr(2));
    else if (dir.find(':') == std::string_view::npos && dir.find("\\\\") == std::string_view::npos)
        resolved = std::string(programFolder) + std::string(dir);
    else
        resolved = std::string(dir);
    return WithoutTrailingSeparators(std::move(resolved));
}
