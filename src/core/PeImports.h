#pragma once
// The DLLs a Windows program names in its import tables, read from the
// program file's bytes: what the system loader must find before the program
// runs (the import table) or on its first call into them (the delay-load
// table). Portable, so that a build checks the programs it makes on any host.

#include "core/Exceptions.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Bytes that are not a PE image, or whose import tables lie outside the file.
class EBadPeImage : public Exception {
public:
    explicit EBadPeImage(const std::string& reason) : Exception("Not a readable Windows program: " + reason) {}
};

// A call a program imports by name (calls imported by number have none).
struct PeImportedCall {
    std::string dll;
    std::string name;
    bool operator==(const PeImportedCall&) const = default;
};

struct PeImports {
    std::vector<std::string> dlls;             // in the import table's order
    std::vector<std::string> delayLoadedDlls;  // in the delay-load table's order
    std::vector<PeImportedCall> calls;         // of the import table, in its order

    // Both lists, the import table's first.
    std::vector<std::string> AllDlls() const;
};

// Throws EBadPeImage; reads nothing outside `image`.
PeImports ReadPeImports(std::span<const std::uint8_t> image);
