#pragma once
// The internal skin written out as skin files for the manager's tests: a
// package file and an unpacked skin folder, each with its own EDIT colour so
// a test can tell which skin was loaded.

#include <cstdint>
#include <string>
#include <vector>

// The internal skin's package as the program carries it.
std::vector<uint8_t> EmbeddedSkinPackage();
// The internal skin's package with EDIT's COLOR changed.
std::vector<uint8_t> SkinPackageWithEditColor(int32_t color);
// Writes the internal skin unpacked into folder (any length) (Options.dat and its
// images), with EDIT's COLOR changed.
void WriteSkinFolder(const std::string& folder, int32_t editColor);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
