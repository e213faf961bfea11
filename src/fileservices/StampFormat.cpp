#include "fileservices/StampFormat.h"

#include <cstdio>

#include "core/Exceptions.h"

namespace {

std::string Number(int value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    return text;
}

// Length of the run of c starting at i.
std::size_t RunLength(const std::string& s, std::size_t i)
{
    std::size_t n = 1;
    while (i + n < s.size() && s[i + n] == s[i])
        ++n;
    return n;
}

}  // namespace

std::string FormatStamp(const std::string& pattern, const StampTime& t)
{
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        char c = pattern[i];
        if (c == '\'') {
            std::size_t close = pattern.find('\'', i + 1);
            if (close == std::string::npos)
                throw EConvertError("Unclosed quote in the time stamp pattern");
            out += close == i + 1 ? "'" : pattern.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        std::size_t n = RunLength(pattern, i);
        bool two = n >= 2;
        switch (c) {
        case 'y': out += n >= 4 ? Number(t.year, 4) : Number(t.year % 100, 2); break;
        case 'M': out += Number(t.month, two ? 2 : 1); break;
        case 'd': out += Number(t.day, two ? 2 : 1); break;
        case 'H': out += Number(t.hour, two ? 2 : 1); break;
        case 'h': out += Number(t.hour % 12 == 0 ? 12 : t.hour % 12, two ? 2 : 1); break;
        case 'm': out += Number(t.minute, two ? 2 : 1); break;
        case 's': out += Number(t.second, two ? 2 : 1); break;
        case 'f': out += Number(t.millisecond, 3); break;
        case 't': out += t.hour < 12 ? "AM" : "PM"; break;
        default: out.append(n, c); break;
        }
        i += n;
    }
    return out;
}
