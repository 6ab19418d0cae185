#include "clockwnd/tick_schedule.h"

namespace clockwnd {

int DelayToNextTickMs(int millisecond)
{
    // Without a usable reading, fall back to a plain one-second period.
    if (millisecond < 0 || millisecond > 999)
        millisecond = 0;
    return 1000 - millisecond + kTickSlackMs;
}

int DelayToNextMinuteMs(int second, int millisecond)
{
    if (second < 0 || second > 59)
        second = 0;
    return (59 - second) * 1000 + DelayToNextTickMs(millisecond);
}

} // namespace clockwnd
