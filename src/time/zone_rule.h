// A Windows time zone's rules and the conversions between UTC and local time
// under them, free of any platform API:
//   TransitionDate, ZoneRule - SYSTEMTIME and TIME_ZONE_INFORMATION as the
//                              zone's changes use them, without the names;
//   ParseTzi                 - the registry's TZI value of a zone;
//   ZoneRules                - a zone's rule for each year, as its Dynamic DST
//                              key holds them;
//   ReadZone                 - the local time, offset and kind of time at a
//                              UTC second, as SystemTimeToTzSpecificLocalTime
//                              gives it with that year's rule;
//   FirstUtcAtOrAfterLocal   - back from a local time to UTC, for alarms.
#pragma once

#include "time/civil_time.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

namespace timekeeping {

// A change between standard and daylight time, laid out as SYSTEMTIME.
struct TransitionDate {
    int year = 0;      // 0: every year, `day` being a week; otherwise one date
    int month = 0;     // 1..12; 0 when the zone keeps no daylight time
    int dayOfWeek = 0; // 0 Sunday .. 6 Saturday, of a yearly date
    int day = 0;       // week 1..5 of a yearly date, 5 the last; else the day
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
    bool operator==(const TransitionDate& o) const
    {
        return year == o.year && month == o.month && dayOfWeek == o.dayOfWeek && day == o.day &&
               hour == o.hour && minute == o.minute && second == o.second &&
               milliseconds == o.milliseconds;
    }
};

// A zone's rule for a year, laid out as TIME_ZONE_INFORMATION. The biases
// are minutes: UTC = local + bias + standardBias in standard time, and
// local + bias + daylightBias in daylight time.
struct ZoneRule {
    int bias = 0;
    int standardBias = 0;
    int daylightBias = 0;
    TransitionDate standardDate; // given in local daylight time
    TransitionDate daylightDate; // given in local standard time
    bool operator==(const ZoneRule& o) const
    {
        return bias == o.bias && standardBias == o.standardBias && daylightBias == o.daylightBias &&
               standardDate == o.standardDate && daylightDate == o.daylightDate;
    }
};

// The registry's REG_TZI_FORMAT: three little-endian LONG biases, then the
// standard and the daylight date as eight WORDs each; 44 bytes.
constexpr std::size_t kTziSize = 44;
std::optional<ZoneRule> ParseTzi(const unsigned char* bytes, std::size_t size);

// A zone's standing rule (the TZI value) and the rules of particular years
// (its Dynamic DST entries), if any.
struct ZoneRules {
    ZoneRule standing;
    std::map<int, ZoneRule> byYear;

    // The entry of the year; years before the first entry take the first,
    // years after the last take the last (as a year between takes the one
    // before it). The standing rule when there are no entries.
    const ZoneRule& ForYear(int year) const;
};

struct ZoneReading {
    CivilTime local;
    int offsetMinutes; // local = UTC + offset
    bool daylight;     // daylight time in effect, not standard time
};

// Whether daylight time is in effect is decided by the transitions of the
// year of the local standard time, under that year's rule.
ZoneReading ReadZone(const ZoneRules& rules, std::int64_t utcSeconds);

inline CivilTime UtcToLocal(const ZoneRules& rules, std::int64_t utcSeconds)
{
    return ReadZone(rules, utcSeconds).local;
}

inline int OffsetMinutes(const ZoneRules& rules, std::int64_t utcSeconds)
{
    return ReadZone(rules, utcSeconds).offsetMinutes;
}

// The first UTC second whose local time is `local` or later: for a local
// time the clocks skip going forward, the moment of the jump; for one they
// repeat going back, its first occurrence.
std::int64_t FirstUtcAtOrAfterLocal(const ZoneRules& rules, const CivilTime& local);

} // namespace timekeeping
