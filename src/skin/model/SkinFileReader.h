#pragma once
// How a skin's files come off the disk. The platform layer gives its own
// reader (wide paths of any length); the portable builds read through the C
// library; tests count and refuse opens.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Files larger than this are not read as skin files (the package's member cap).
constexpr int64_t kMaxSkinFileSize = int64_t(64) << 20;

class TsFileReader {
public:
    virtual ~TsFileReader() = default;
    // The whole file at path; nullopt when it cannot be opened or read, or is
    // larger than kMaxSkinFileSize.
    virtual std::optional<std::vector<uint8_t>> ReadWhole(const std::string& path) const = 0;
};

// Through fopen: paths in the C library's own encoding.
class TsStdioFileReader final : public TsFileReader {
public:
    std::optional<std::vector<uint8_t>> ReadWhole(const std::string& path) const override;
};

// The reader used where none is given.
const TsFileReader& DefaultSkinFileReader();
