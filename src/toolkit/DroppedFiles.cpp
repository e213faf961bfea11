#include "toolkit/DroppedFiles.h"

#include "toolkit/SysUtils.h"

std::vector<std::string> DroppedFileNames(HDROP drop)
{
    std::vector<std::string> paths;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // Ask for the length first: a fixed buffer would cut a long path
        // silently, and a cut path can name another, existing file.
        UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(std::size_t(length) + 1, L'\0');
        UINT copied = DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(copied <= length ? copied : length);
        path.resize(std::char_traits<wchar_t>::length(path.c_str()));
        paths.push_back(ToSystemCodePage(path));
    }
    return paths;
}
