#include "face/chime_rule.h"

namespace face {

bool IsDueMinute(int minute, int interval)
{
    return interval > 0 && minute >= 0 && minute % interval == 0;
}

bool ChimeLatch::ClaimChime(const ClockTime& time, int interval)
{
    if (!time.valid || time.second < 0 || time.second >= kChimeWindowSeconds)
        return false;
    if (!IsDueMinute(time.minute, interval))
        return false;
    // Floor, not truncation, so that the minute before 1970 is not merged
    // with the first one after it.
    const std::int64_t minute = time.seconds / 60 - (time.seconds % 60 < 0 ? 1 : 0);
    if (minute == m_nLastChimedMinute)
        return false;
    m_nLastChimedMinute = minute;
    return true;
}

} // namespace face
