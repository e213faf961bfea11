#pragma once
// Whole-span byte comparison for the file comparison.

#include <cstddef>

// Whether the two spans of `size` bytes hold the same bytes. Stops reading at
// the first 64-byte stretch that differs.
bool BytesEqual(const void* first, const void* second, std::size_t size);
