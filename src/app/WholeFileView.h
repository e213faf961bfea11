#pragma once
// A whole file held open for reading with writing by others denied, and a
// read-only view of all its bytes. Windows only.

#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/Handles.h"

struct MappedViewTraits {
    static void Free(const void* view) { UnmapViewOfFile(view); }
};
using UniqueMappedView = UniqueHandle<const void*, MappedViewTraits>;

class WholeFileView {
public:
    // Throws EFOpenError ("Cannot open file "<full path>". <system reason>")
    // when the file cannot be opened, EOutOfMemory when there is no room for
    // its view, EReadError when its size cannot be read or it shrank meanwhile.
    static WholeFileView Open(const std::string& path);

    // The file's bytes; null for an empty file. A program that ignores share
    // modes (a native process under Wine) can still shrink the file, and then
    // the pages past its new end fault: read them through MappedBytesEqual.
    const std::uint8_t* Data() const { return static_cast<const std::uint8_t*>(view_.Get()); }
    std::uint64_t Size() const { return size_; }
    // Whether the file still has the size it was opened with.
    bool StillWhole() const;

private:
    WholeFileView(UniqueFile file, std::uint64_t size) : file_(std::move(file)), size_(size) {}

    UniqueFile file_;
    UniqueFile section_;
    UniqueMappedView view_;
    std::uint64_t size_;
};
