// FormatTimeText: the digital panel's "%H:%M" text of a clock time.
#pragma once

#include "time/clock_time.h"

#include <string>

namespace face {

// "HH:MM" of a valid time, "Invalid DateTime" otherwise.
std::string FormatTimeText(const timekeeping::ClockTime& time);

} // namespace face
