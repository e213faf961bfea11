#include "app/FileCompare.h"

#include "app/MappedCompare.h"
#include "app/WholeFileView.h"
#include "core/Exceptions.h"

bool ViewsHaveEqualContents(const WholeFileView& first, const WholeFileView& second)
{
    if (first.Size() != second.Size())
        return false;
    const bool equal = MappedBytesEqual(first.Data(), second.Data(), first.Size());
    // Past a shrunk file's new end, the rest of its last page reads as zeros
    // instead of faulting; only the size tells that those bytes are gone.
    if (!first.StillWhole() || !second.StillWhole())
        throw EReadError();
    return equal;
}

bool FilesHaveEqualContents(const std::string& path1, const std::string& path2)
{
    const WholeFileView first = WholeFileView::Open(path1);
    const WholeFileView second = WholeFileView::Open(path2);
    return ViewsHaveEqualContents(first, second);
}
