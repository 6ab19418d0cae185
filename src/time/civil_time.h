// CivilTime: a date and a time of day on the Gregorian calendar, in no zone
// in particular, and its arithmetic, free of any platform API:
//   DaysFromCivil / CivilFromDays - a date as days since 1970-01-01;
//   ToSeconds / FromSeconds       - a CivilTime as seconds since then;
//   Weekday                       - 0 Sunday .. 6 Saturday.
// A zone's rules turn the system's UTC seconds into such a time and back.
#pragma once

#include <cstdint>

namespace timekeeping {

struct CivilTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0; // 0..59
    bool operator==(const CivilTime& o) const
    {
        return year == o.year && month == o.month && day == o.day && hour == o.hour &&
               minute == o.minute && second == o.second;
    }
    bool operator!=(const CivilTime& o) const { return !(*this == o); }
};

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t DaysFromCivil(int year, int month, int day);
// Only the date's fields are set.
CivilTime CivilFromDays(std::int64_t days);

std::int64_t ToSeconds(const CivilTime& t);
CivilTime FromSeconds(std::int64_t seconds);

// Of a date; 0 is Sunday, as SYSTEMTIME's wDayOfWeek counts.
int Weekday(int year, int month, int day);
int DaysInMonth(int year, int month);

} // namespace timekeeping
