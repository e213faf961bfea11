#pragma once
// Whole-file comparison of the Compare command. Windows only.

#include <string>

class WholeFileView;

// Whether the two files have the same size and the same bytes. Both files are
// held whole (open, writing by others denied) before their sizes are compared.
// Throws EFOpenError when a file cannot be opened, EReadError when a file
// cannot be read whole (it shrank or a read failed), EOutOfMemory when there is
// no room for it.
bool FilesHaveEqualContents(const std::string& path1, const std::string& path2);

// The comparison step of FilesHaveEqualContents on two files already held.
bool ViewsHaveEqualContents(const WholeFileView& first, const WholeFileView& second);
