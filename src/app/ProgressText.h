#pragma once
// The status line's text while the Compare command reads. Portable.

#include <cstdint>
#include <string>

// "Comparing... 42 % (1.25 GB/s)": `done` of `total` bytes read in `seconds`.
// The share is rounded down and stays below 100 % while the command runs
// (a file may grow meanwhile); with no total known it is left out.
std::string CompareProgressText(std::uint64_t done, std::uint64_t total, double seconds);

// A speed with three significant digits in decimal units: "870 B/s",
// "12.5 MB/s", "1.25 GB/s".
std::string SpeedText(double bytesPerSecond);
