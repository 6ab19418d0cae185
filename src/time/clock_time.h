// ClockTime: one reading of the clock's time, as the face, the chime and
// everything else that shows or rings a time use it: the UTC second it was
// taken at, and the local date and time of the clock's zone. The one place
// that reads the system clock is ZoneClock; everything else works on a
// value handed in.
#pragma once

#include <cstdint>

namespace timekeeping {

struct ClockTime {
    std::int64_t seconds; // calendar time, seconds since 1970 (UTC)
    bool valid;           // false when the local time could not be derived
    int hour;             // 0..23, or -1
    int minute;           // 0..59, or -1
    int second;           // 0..59, or -1
    int millisecond;      // 0..999 into the current second
    int year = 0;
    int month = 0;         // 1..12, or 0
    int day = 0;           // 1..31, or 0
    int weekday = -1;      // 0 Sunday .. 6 Saturday, or -1
    bool daylight = false; // the zone's daylight-saving time, not its standard time
};

} // namespace timekeeping
