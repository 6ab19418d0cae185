// ClockTime: the local time as the face and the chime use it, and its
// "%H:%M" text. The one place that reads the system clock is the clock
// window's time source; everything here works on a value handed in.
#pragma once

#include <cstdint>
#include <string>

namespace face {

struct ClockTime {
    std::int64_t seconds; // calendar time, seconds since 1970 (UTC)
    bool valid;           // false when the local time could not be derived
    int hour;             // 0..23, or -1
    int minute;           // 0..59, or -1
    int second;           // 0..59 (60 in a leap second), or -1
    int millisecond;      // 0..999 into the current second
};

// "HH:MM" of a valid time, "Invalid DateTime" otherwise.
std::string FormatTimeText(const ClockTime& time);

} // namespace face
