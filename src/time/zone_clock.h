// ZoneClock: the one place that reads the system clock. Each reading takes
// the system's UTC time once and turns it into the local time of the
// machine's zone as Windows keeps it at that moment, so that a change of
// zone shows at the next reading, whatever the C runtime believes.
#pragma once

#include "time/clock_time.h"

namespace timekeeping {

class ZoneClock {
public:
    ClockTime Now() const;
};

} // namespace timekeeping
