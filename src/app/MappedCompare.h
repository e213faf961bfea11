#pragma once
// Comparison of two read-only file views that survives pages which cannot be
// read. Windows only.

#include <cstddef>
#include <cstdint>

// Whether the two views hold the same `size` bytes. A page of either view
// that cannot be read (its file was shrunk by a program that ignores share
// modes, or the disk failed) ends the comparison with EReadError.
bool MappedBytesEqual(const std::uint8_t* first, const std::uint8_t* second, std::size_t size);
