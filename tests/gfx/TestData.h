#pragma once
// Paths of the test corpora kept in the source tree (tests/data), for tests
// that run natively and, from the Windows build, under Wine (which shows the
// Unix root as drive Z:).

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

inline std::string TestDataPath(const std::string& relative)
{
    return HostPath(std::string(PVX_TEST_DATA_DIR) + "/" + relative);
}

inline std::vector<uint8_t> ReadTestFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
