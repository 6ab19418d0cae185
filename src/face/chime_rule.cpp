#include "face/chime_rule.h"

namespace face {

bool IsDueMinute(int minute, int interval)
{
    return interval > 0 && minute >= 0 && minute % interval == 0;
}

bool ChimeLatch::ClaimChime(const timekeeping::ClockTime& time, int interval)
{
    if (!time.valid || time.second < 0 || time.second >= kChimeWindowSeconds)
        return false;
    if (!IsDueMinute(time.minute, interval))
        return false;
    // Counted from the local second, not from whole minutes of calendar
    // time: a zone's offset from UTC need not be whole minutes, and then
    // the first seconds of one local minute straddle two UTC minutes.
    const std::int64_t minuteStart = time.seconds - time.second;
    if (minuteStart == m_nLastChimedMinuteStart)
        return false;
    m_nLastChimedMinuteStart = minuteStart;
    return true;
}

} // namespace face
