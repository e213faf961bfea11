#pragma once
// Writes a date and time with a pattern of the usual letters:
// yyyy yy (year), MM M (month), dd d (day), HH H (hour 0-23), hh h (hour 1-12),
// mm m (minute), ss s (second), fff (milliseconds), tt (AM or PM).
// Text between single quotes is copied as it stands ('' is one quote), and so
// is every other character. An unclosed quote throws EConvertError.

#include <string>

struct StampTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

std::string FormatStamp(const std::string& pattern, const StampTime& time);
