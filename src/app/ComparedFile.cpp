#include "app/ComparedFile.h"

#include <algorithm>

#include "app/StoredFile.h"
#include "core/Exceptions.h"
#include "toolkit/SysUtils.h"

namespace {

bool SizeOf(HANDLE file, std::uint64_t& size)
{
    LARGE_INTEGER value;
    if (!GetFileSizeEx(file, &value))
        return false;
    size = static_cast<std::uint64_t>(value.QuadPart);
    return true;
}

// ReadFile takes at most 4 GiB less one byte per call.
constexpr std::size_t LargestRead = std::size_t(1) << 30;

}  // namespace

ComparedFile ComparedFile::Open(const std::string& path)
{
    // Others may read the file meanwhile, not write it. Every open of the
    // comparison is made here.
    UniqueFile file = OpenExistingFile(path, GENERIC_READ, FILE_SHARE_READ,
                                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file) {
        const DWORD error = GetLastError();
        throw EFOpenError("Cannot open file \"" + ExpandFileName(path) + "\". "
                          + SysErrorMessage(error));
    }
    RequireStoredFile(file.Get(), path);
    std::uint64_t size = 0;
    if (!SizeOf(file.Get(), size))
        throw EReadError();
    return ComparedFile(std::move(file), size);
}

void ComparedFile::ReadNext(std::uint8_t* buffer, std::size_t count)
{
    while (count > 0) {
        const auto ask = static_cast<DWORD>(std::min(count, LargestRead));
        DWORD got = 0;
        if (!ReadFile(file_.Get(), buffer, ask, &got, nullptr) || got == 0)
            throw EReadError();
        buffer += got;
        count -= got;
    }
}

bool ComparedFile::SizeUnchanged() const
{
    std::uint64_t size = 0;
    return SizeOf(file_.Get(), size) && size == size_;
}
