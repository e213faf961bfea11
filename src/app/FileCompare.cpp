#include "app/FileCompare.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "app/ByteCompare.h"
#include "app/ComparedFile.h"
#include "app/ReadProgress.h"
#include "core/Exceptions.h"

namespace {

// Each file's read is told on its own, so the window answers between them:
// on slow drives one read of a block takes tens of milliseconds.
bool BlocksEqual(ComparedFile& first, ComparedFile& second, ReadProgress* progress)
{
    const std::uint64_t size = first.Size();
    const auto buffers = std::make_unique_for_overwrite<std::uint8_t[]>(2 * CompareBlockSize);
    std::uint8_t* const block1 = buffers.get();
    std::uint8_t* const block2 = buffers.get() + CompareBlockSize;
    for (std::uint64_t done = 0; done < size;) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(size - done, CompareBlockSize));
        first.ReadNext(block1, count);
        if (progress)
            progress->BytesRead(count);
        second.ReadNext(block2, count);
        if (progress)
            progress->BytesRead(count);
        if (!BytesEqual(block1, block2, count))
            return false;
        done += count;
    }
    return true;
}

}  // namespace

bool ContentsEqual(ComparedFile& first, ComparedFile& second, ReadProgress* progress)
{
    if (first.Size() != second.Size())
        return false;
    if (progress)
        progress->ReadStarting(2 * first.Size());
    const bool equal = BlocksEqual(first, second, progress);
    // A file grown or shrunk meanwhile (possible only for a program that
    // ignores share modes) was not compared whole.
    if (equal && (!first.SizeUnchanged() || !second.SizeUnchanged()))
        throw EReadError();
    return equal;
}

bool FilesHaveEqualContents(const std::string& path1, const std::string& path2, ReadProgress* progress)
{
    ComparedFile first = ComparedFile::Open(path1);
    ComparedFile second = ComparedFile::Open(path2);
    return ContentsEqual(first, second, progress);
}
