#include "app/WholeFileView.h"

#include "app/StoredFile.h"
#include "core/Exceptions.h"
#include "toolkit/SysUtils.h"

namespace {

UniqueFile OpenDenyingWrites(const std::string& path)
{
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        throw EFOpenError("Cannot open file \"" + ExpandFileName(path) + "\". "
                          + SysErrorMessage(error));
    }
    RequireStoredFile(file.Get(), path);
    return file;
}

std::uint64_t SizeOf(HANDLE file)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        throw EReadError();
    return static_cast<std::uint64_t>(size.QuadPart);
}

// A section or view could not be made. A section larger than the file fails
// with the same error number as exhausted memory, so a file that shrank since
// its size was read is told apart by reading the size again.
[[noreturn]] void ThrowMappingFailure(HANDLE file, std::uint64_t expectedSize)
{
    const DWORD error = GetLastError();
    if (SizeOf(file) < expectedSize)
        throw EReadError();
    if (error == ERROR_NOT_ENOUGH_MEMORY || error == ERROR_OUTOFMEMORY
        || error == ERROR_COMMITMENT_LIMIT)
        throw EOutOfMemory();
    throw EReadError();
}

}  // namespace

WholeFileView WholeFileView::Open(const std::string& path)
{
    UniqueFile file = OpenDenyingWrites(path);
    const std::uint64_t size = SizeOf(file.Get());
    WholeFileView whole(std::move(file), size);
    if (size == 0)
        return whole;  // an empty file cannot be mapped, and needs no view

    // The section has exactly the size read above, so the view never reaches
    // past it.
    whole.section_.Reset(CreateFileMappingA(whole.file_.Get(), nullptr, PAGE_READONLY,
                                            static_cast<DWORD>(size >> 32),
                                            static_cast<DWORD>(size), nullptr));
    if (!whole.section_)
        ThrowMappingFailure(whole.file_.Get(), size);
    whole.view_.Reset(MapViewOfFile(whole.section_.Get(), FILE_MAP_READ, 0, 0, 0));
    if (!whole.view_)
        ThrowMappingFailure(whole.file_.Get(), size);
    return whole;
}

bool WholeFileView::StillWhole() const
{
    LARGE_INTEGER size;
    return GetFileSizeEx(file_.Get(), &size) && static_cast<std::uint64_t>(size.QuadPart) >= size_;
}
