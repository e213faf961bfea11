#include "controls/sFileNameRules.h"

bool ValidFileName(std::string_view text)
{
    return !text.empty() && text.find_first_of("<>\"|*?/") == std::string_view::npos;
}

std::string FolderPart(std::string_view path)
{
    std::size_t last = path.find_last_of("\\:");
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

TsDialogStart DialogStartFor(const std::string& text, const TsDialogStart& previous,
                             const std::function<bool(const std::string&)>& folderExists)
{
    if (!ValidFileName(text))
        return previous;
    TsDialogStart start = previous;
    std::string folder = FolderPart(text);
    if (!folder.empty() && folderExists(folder))
        start.initialDir = folder;
    bool nameless = text.back() == '\\' || text.back() == ':';
    start.fileName = nameless ? std::string() : text;
    return start;
}
