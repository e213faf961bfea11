#pragma once
// Bytes of the program's own resources.

#include <cstdint>
#include <vector>

// The bytes of resource `name` of type `type` in the program file; empty when
// there is none.
std::vector<std::uint8_t> LoadResourceData(const char* name, const char* type);
