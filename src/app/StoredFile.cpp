#include "app/StoredFile.h"

#include "core/Exceptions.h"
#include "toolkit/SysUtils.h"

namespace {

// Whether a read at the file's end still gives a byte. A read at an offset
// of a disk file returns at once; it moves the file position, which is put
// back at the start for the reads that follow.
bool GivesBytesPastItsSize(HANDLE file)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        return true;
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(size.QuadPart);
    at.OffsetHigh = static_cast<DWORD>(static_cast<unsigned long long>(size.QuadPart) >> 32);
    char byte = 0;
    DWORD count = 0;
    BOOL read = ReadFile(file, &byte, 1, &count, &at);
    LARGE_INTEGER start{};
    return (read && count > 0) || !SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
}

}  // namespace

void RequireStoredFile(HANDLE file, const std::string& path)
{
    if (GetFileType(file) == FILE_TYPE_DISK && !GivesBytesPastItsSize(file))
        return;
    throw EFOpenError("Cannot open file \"" + ExpandFileName(path) + "\". It is not a file stored on a disk");
}
