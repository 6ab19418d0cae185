#include "clockwnd/tick_schedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A timer late by a Windows timer's usual 0-16 ms, or once very late (a
// busy thread), from any start: every tick draws the next second, soon after
// its boundary.
TEST(TickSchedule, EveryTickDrawsTheNextSecondSoonAfterItsBoundary)
{
    const std::vector<int> patterns[] = { { 0 }, { 16, 0, 7, 15, 1 }, { 0, 0, 480, 0, 0 } };
    for (long long start : { 0LL, 499LL, 999LL, 1234567LL }) {
        for (const std::vector<int>& lateness : patterns) {
            long long now = start + clockwnd::DelayToNextTickMs(start % 1000);
            for (int i = 0; i < 200; ++i) {
                now += lateness[i % lateness.size()];
                EXPECT_EQ(now % 1000, clockwnd::kTickSlackMs + lateness[i % lateness.size()]);
                EXPECT_EQ(now / 1000, start / 1000 + 1 + static_cast<long long>(i))
                    << "skipped or repeated a second";
                now += clockwnd::DelayToNextTickMs(now % 1000);
            }
        }
    }
    // No usable reading: a plain second.
    EXPECT_EQ(clockwnd::DelayToNextTickMs(-1), 1000 + clockwnd::kTickSlackMs);
}

} // namespace
