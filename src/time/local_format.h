// Texts of a clock time in a locale's own words, by the system's formats
// (GetDateFormatEx, GetTimeFormatEx); the locale by its name ("de-DE"), or
// the user's own for "":
//   DateWindowText - the weekday's short name and the day, "Mon 7";
//   SpokenDateText - the weekday, the day and the month in full, as a
//                    screen reader speaks them, "Monday 7 December";
//   TooltipText    - the long date, the time with its seconds, and the
//                    zone's name, a line each.
#pragma once

#include "time/clock_time.h"

#include <string>

namespace timekeeping {

std::string DateWindowText(const ClockTime& time, const std::string& locale = std::string());
std::string SpokenDateText(const ClockTime& time, const std::string& locale = std::string());
std::string TooltipText(const ClockTime& time, const std::string& zoneName,
                        const std::string& locale = std::string());

} // namespace timekeeping
