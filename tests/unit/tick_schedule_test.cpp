#include "clockwnd/tick_schedule.h"

#include <gtest/gtest.h>

namespace {

// From any point of a second the tick lands just after the next boundary,
// so however late the last one fired, no second is skipped or drawn twice.
// Without a usable reading: a plain second.
TEST(TickSchedule, EveryTickLandsJustAfterTheNextSecond)
{
    for (int ms = 0; ms < 1000; ++ms)
        ASSERT_EQ(ms + clockwnd::DelayToNextTickMs(ms), 1000 + clockwnd::kTickSlackMs) << ms;
    for (int unusable : { -1, 1000 })
        EXPECT_EQ(clockwnd::DelayToNextTickMs(unusable), 1000 + clockwnd::kTickSlackMs);
}

// Without the second hand, just after the next minute boundary from any
// point of the minute; without a usable reading, a plain minute.
TEST(TickSchedule, WithoutTheSecondHandOnceAMinute)
{
    for (int second = 0; second < 60; ++second) {
        for (int ms : { 0, 500, 999 })
            ASSERT_EQ(second * 1000 + ms + clockwnd::DelayToNextMinuteMs(second, ms),
                      60000 + clockwnd::kTickSlackMs)
                << second << "." << ms;
    }
    EXPECT_EQ(clockwnd::DelayToNextMinuteMs(-1, -1), 60000 + clockwnd::kTickSlackMs);
}

} // namespace
