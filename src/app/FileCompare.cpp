#include "app/FileCompare.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "app/ByteCompare.h"
#include "app/ComparedFile.h"
#include "core/Exceptions.h"

namespace {

bool BlocksEqual(ComparedFile& first, ComparedFile& second)
{
    const std::uint64_t size = first.Size();
    const auto buffers = std::make_unique_for_overwrite<std::uint8_t[]>(2 * CompareBlockSize);
    std::uint8_t* const block1 = buffers.get();
    std::uint8_t* const block2 = buffers.get() + CompareBlockSize;
    for (std::uint64_t done = 0; done < size;) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(size - done, CompareBlockSize));
        first.ReadNext(block1, count);
        second.ReadNext(block2, count);
        if (!BytesEqual(block1, block2, count))
            return false;
        done += count;
    }
    return true;
}

}  // namespace

bool ContentsEqual(ComparedFile& first, ComparedFile& second)
{
    if (first.Size() != second.Size())
        return false;
    const bool equal = BlocksEqual(first, second);
    // A file grown or shrunk meanwhile (possible only for a program that
    // ignores share modes) was not compared whole.
    if (equal && (!first.SizeUnchanged() || !second.SizeUnchanged()))
        throw EReadError();
    return equal;
}

bool FilesHaveEqualContents(const std::string& path1, const std::string& path2)
{
    ComparedFile first = ComparedFile::Open(path1);
    ComparedFile second = ComparedFile::Open(path2);
    return ContentsEqual(first, second);
}
