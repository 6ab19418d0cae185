// What the clock says of itself to a screen reader and in its notification
// icon's tip, free of any platform API:
//   ClockName   - "Zentim, 07:45, Monday 7 December";
//   TrayTipText - the same, with a second line naming the clock among
//                 several;
//   MinuteOf    - the reading's minute, by which the name changes.
#pragma once

#include "time/clock_time.h"

#include <cstdint>
#include <string>

namespace clockwnd {

// The time as HH:mm and the date as the locale words it (spokenDate, ""
// for none); the program's name alone for a time that could not be read.
std::string ClockName(const timekeeping::ClockTime& time, const std::string& spokenDate);

// label: the clock's zone or folder; no second line when it is empty.
std::string TrayTipText(const std::string& name, const std::string& label);

// The same for every reading within one minute of the clock's local time,
// another for the next; -1 for a time that could not be read.
std::int64_t MinuteOf(const timekeeping::ClockTime& time);

} // namespace clockwnd
