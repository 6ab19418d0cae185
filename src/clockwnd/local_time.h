// ReadLocalTime: the one place that reads the system clock.
#pragma once

#include "face/clock_time.h"

namespace clockwnd {

face::ClockTime ReadLocalTime();

} // namespace clockwnd
