#pragma once
// Where a skin manager looks for a skin on disk: the package file of a skin
// name in the skin directory, and the skin directory made absolute against
// the program's folder. Text only; the platform layer asks the disk.

#include <string>
#include <string_view>

// The directory as stored, made to end in "\" (a final "/" becomes "\", a
// one-character directory, a drive letter, gets ":\"), then the name, then
// ".qlk". A relative directory stays relative (to the current directory).
std::string SkinPackagePath(std::string_view skinDirectory, std::string_view skinName);

// The skin directory as an absolute folder without a trailing separator.
// programFolder is the program file's folder with its trailing "\":
// "..\X" is X beside that folder, ".\X" and "./X" are X in it, a text with
// neither ":" nor "\\" is in it too, anything else stays as it is.
std::string ResolveSkinDirectory(std::string_view skinDirectory, std::string_view programFolder);
