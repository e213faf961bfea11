#include "app/ProgressText.h"

#include <array>
#include <cstdio>

std::string SpeedText(double bytesPerSecond)
{
    static constexpr std::array<const char*, 5> units{"B/s", "KB/s", "MB/s", "GB/s", "TB/s"};
    double value = bytesPerSecond > 0 ? bytesPerSecond : 0;
    std::size_t unit = 0;
    // 999.5 would print as "1000": it is shown in the next unit.
    while (value >= 999.5 && unit + 1 < units.size()) {
        value /= 1000;
        ++unit;
    }
    const int decimals = unit == 0 || value >= 99.95 ? 0 : value >= 9.995 ? 1 : 2;
    char text[32];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, units[unit]);
    return text;
}

std::string CompareProgressText(std::uint64_t done, std::uint64_t total, double seconds)
{
    const std::string speed = SpeedText(seconds > 0 ? double(done) / seconds : 0);
    if (total == 0)
        return "Comparing... (" + speed + ")";
    const auto percent = done >= total ? 99 : static_cast<int>(double(done) * 100.0 / double(total));
    return "Comparing... " + std::to_string(percent < 99 ? percent : 99) + " % (" + speed + ")";
}
