// FileCrc32: the checksum of a file read in large blocks. Windows only.

#include <windows.h>

#include <algorithm>

#include "app/Crc32.h"
#include "app/ReadProgress.h"
#include "app/StoredFile.h"
#include "core/Exceptions.h"
#include "toolkit/Handles.h"
#include "toolkit/SysUtils.h"

namespace {

[[noreturn]] void ThrowLastError()
{
    throw EInOutError(static_cast<int>(GetLastError()));
}

DWORD ReadIntoCrcBuffer(HANDLE file)
{
    DWORD count = 0;
    if (!ReadFile(file, CrcBuffer.data(), static_cast<DWORD>(CrcBuffer.size()), &count, nullptr))
        ThrowLastError();
    return count;
}

std::uint32_t FoldCrcBuffer(std::uint32_t running, std::size_t count)
{
    for (std::size_t offset = 0; offset < count; offset += CrcBlockSize) {
        const std::size_t block = std::min(CrcBlockSize, count - offset);
        running = Crc32Update(running, CrcBuffer.data() + offset, static_cast<std::uint16_t>(block));
    }
    return running;
}

// Whether `position` has reached the file's end, asking for the current size
// only once the size first seen has been reached, since the file may grow.
bool AtEnd(HANDLE file, std::uint64_t position, std::uint64_t& knownSize)
{
    if (position < knownSize)
        return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        ThrowLastError();
    knownSize = static_cast<std::uint64_t>(size.QuadPart);
    return position >= knownSize;
}

void AnnounceSize(HANDLE file, ReadProgress& progress)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        ThrowLastError();
    progress.ReadStarting(static_cast<std::uint64_t>(size.QuadPart));
}

}  // namespace

std::uint32_t FileCrc32(const std::string& path, ReadProgress* progress)
{
    // Other programs may go on reading and writing the file meanwhile.
    UniqueFile file = OpenExistingFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (!file)
        ThrowLastError();
    RequireStoredFile(file.Get(), path);
    if (progress)
        AnnounceSize(file.Get(), *progress);

    std::uint32_t running = 0xFFFFFFFF;
    std::uint64_t position = 0;
    std::uint64_t knownSize = 0;
    DWORD count;
    do {
        count = ReadIntoCrcBuffer(file.Get());
        running = FoldCrcBuffer(running, count);
        position += count;
        if (progress)
            progress->BytesRead(count);
    } while (count > 0 && !AtEnd(file.Get(), position, knownSize));

    if (!CloseHandle(file.Release()))
        ThrowLastError();
    return ~running;
}
