#pragma once
// The file name edit's rules for path texts: which texts are file names, the
// folder part of a path, and how the open dialog starts from the edit's text.

#include <functional>
#include <string>
#include <string_view>

// Non-empty and free of the seven characters < > " | * ? /.
bool ValidFileName(std::string_view text);

// Everything up to and including the last "\" or ":"; empty when there is neither.
std::string FolderPart(std::string_view path);

// Where the open dialog starts: its initial folder and the file name it shows.
struct TsDialogStart {
    std::string initialDir;
    std::string fileName;
};

// From the edit's text: a valid file name moves the initial folder to its
// folder part when that names an existing folder, and becomes the file name
// (empty when the text ends in "\" or ":"); any other text keeps 'previous'.
TsDialogStart DialogStartFor(const std::string& text, const TsDialogStart& previous,
                             const std::function<bool(const std::string&)>& folderExists);
