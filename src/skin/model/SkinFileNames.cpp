#include "skin/model/SkinFileNames.h"

#include <algorithm>
#include <array>
#include <string>

#include "skin/model/SkinIni.h"

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool IsForbiddenCharacter(char c)
{
    auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || std::string_view(":<>\"|?*").find(c) != std::string_view::npos;
}

// "CON", "com1.bmp", "NUL.tar.gz": Windows opens the device whatever the folder.
bool IsDeviceName(std::string_view segment)
{
    std::string stem = UpperCaseAscii(segment.substr(0, segment.find('.')));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    static constexpr std::array<std::string_view, 6> plain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (std::find(plain.begin(), plain.end(), stem) != plain.end())
        return true;
    bool numbered = stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT"));
    return numbered && stem[3] >= '0' && stem[3] <= '9';
}

bool IsSegmentInsideSkin(std::string_view segment)
{
    if (segment.empty() || segment == "." || segment == "..")
        return false;
    if (segment.back() == '.' || segment.back() == ' ')
        return false;
    return !IsDeviceName(segment);
}

}  // namespace

bool IsNameInsideSkin(std::string_view name)
{
    if (name.empty() || IsSeparator(name.front()))
        return false;
    if (std::any_of(name.begin(), name.end(), IsForbiddenCharacter))
        return false;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = std::min(name.find_first_of("\\/", start), name.size());
        if (!IsSegmentInsideSkin(name.substr(start, end - start)))
            return false;
        if (end == name.size())
            return true;
        start = end + 1;
    }
}
