#pragma once
// Paths of the external test corpora and of files of the source tree, for
// tests that run natively and, from the Windows build, under Wine (which
// shows the Unix root as drive Z:).

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::string HostPath(const std::string& unixPath)
{
#ifdef _WIN32
    return "Z:" + unixPath;
#else
    return unixPath;
#endif
}

inline std::string SharedTestPath(const std::string& relative)
{
    return HostPath(std::string(PVX_SHARED_DIR) + "/" + relative);
}

inline std::vector<uint8_t> ReadTestFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
