// When the interval chime sounds: IsDueMinute, the minutes of the hour an
// interval chimes at, and ChimeLatch, which lets each due minute chime once.
#pragma once

#include "time/clock_time.h"

#include <cstdint>

namespace face {

// A due minute chimes only at a pass within its first this many seconds, so
// that a clock started or woken well into the minute stays quiet.
constexpr int kChimeWindowSeconds = 5;

// True when an interval of `interval` minutes chimes at `minute` (0..59):
// at its multiples, so 60 and more chime once an hour, at minute 0. An
// interval of 0 or less never chimes.
bool IsDueMinute(int minute, int interval);

// Remembers the last minute that chimed. Drawing passes can come twice in
// one second or skip seconds; the first pass that falls early enough in a
// due minute takes its chime, and later passes in that minute don't chime.
class ChimeLatch {
public:
    // True when a pass at `time` chimes for an interval of `interval`
    // minutes; from then on its minute counts as chimed.
    bool ClaimChime(const timekeeping::ClockTime& time, int interval);

private:
    // The calendar time at which that minute began, rather than its minute
    // of the hour, so that the same minute an hour later chimes again.
    // Below any real time at first.
    std::int64_t m_nLastChimedMinuteStart = INT64_MIN;
};

} // namespace face
