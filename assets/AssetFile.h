#pragma once
// Writing a generated asset file (host tools only).
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Writes bytes to path; on failure says why on stderr and returns false.
inline bool WriteAssetFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file)
        ok = std::fclose(file) == 0 && ok;
    if (!ok)
        std::perror(path.c_str());
    return ok;
}
