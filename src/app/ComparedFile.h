#pragma once
// One file of the comparison, held open for reading with writing by others
// denied, and read from its start in blocks. Windows only.

#include <cstddef>
#include <cstdint>
#include <string>

#include "toolkit/Handles.h"

class ComparedFile {
public:
    // Opens the file and reads its size. Throws EFOpenError ("Cannot open
    // file "<full path>". <system reason>") when it cannot be opened, and
    // EReadError when its size cannot be read.
    static ComparedFile Open(const std::string& path);

    std::uint64_t Size() const { return size_; }

    // Reads the next `count` bytes into `buffer`. A read that fails or
    // returns fewer bytes (the file shrank) throws EReadError.
    void ReadNext(std::uint8_t* buffer, std::size_t count);

    // Whether the file still has the size it was opened with. A program that
    // ignores share modes (a native process under Wine) can change it.
    bool SizeUnchanged() const;

private:
    ComparedFile(UniqueFile file, std::uint64_t size) : file_(std::move(file)), size_(size) {}

    UniqueFile file_;
    std::uint64_t size_;
};
