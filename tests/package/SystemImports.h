#pragma once
// Checks of what a built program needs from the system it starts on, for the
// package tests under Wine. Paths of the build reach them as Unix paths,
// which Wine serves on drive Z:.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// UTF-8 of a wide text, for the messages of failed checks.
std::string Narrow(const std::wstring& text);

// "Z:" and the path with backslashes.
std::wstring WindowsPathOfBuildFile(const std::string& unixPath);

// The whole file; an empty result when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path);

// Success when the program at `path` imports system DLLs only and none of
// the calls that Windows added after 7; otherwise a failure naming the
// program and each such DLL and call, or saying why it could not be read.
testing::AssertionResult ImportsOnlyWhatWindows7Has(const std::wstring& path);
