#include "clockwnd/tick_schedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A timer that fires `late` ms after it is due, over a run of ticks that
// start at startMs: which second each tick draws, and how far past its
// boundary it lands.
struct Tick {
    long long second;
    int phase;
};

std::vector<Tick> Simulate(long long startMs, const std::vector<int>& lateness, int ticks)
{
    std::vector<Tick> drawn;
    long long now = startMs;
    now += clockwnd::DelayToNextTickMs(static_cast<int>(now % 1000)); // armed at start
    for (int i = 0; i < ticks; ++i) {
        now += lateness[i % lateness.size()];
        drawn.push_back({ now / 1000, static_cast<int>(now % 1000) });
        now += clockwnd::DelayToNextTickMs(static_cast<int>(now % 1000));
    }
    return drawn;
}

TEST(TickSchedule, EveryTickDrawsTheNextSecondSoonAfterItsBoundary)
{
    // On time, late by a Windows timer's usual 0-16 ms, and once very late
    // (a busy thread) followed by punctual ticks.
    const std::vector<int> patterns[] = { { 0 }, { 16, 0, 7, 15, 1 }, { 0, 0, 480, 0, 0 } };
    for (long long start : { 0LL, 1LL, 499LL, 998LL, 999LL, 1234567LL }) {
        for (const std::vector<int>& lateness : patterns) {
            const std::vector<Tick> drawn = Simulate(start, lateness, 200);
            for (size_t i = 0; i < drawn.size(); ++i) {
                SCOPED_TRACE(testing::Message() << "start " << start << " tick " << i);
                const int late = lateness[i % lateness.size()];
                EXPECT_EQ(drawn[i].phase, clockwnd::kTickSlackMs + late);
                if (i > 0)
                    EXPECT_EQ(drawn[i].second, drawn[i - 1].second + 1) << "skipped or repeated";
            }
        }
    }
}

TEST(TickSchedule, EarlyTickAimsAtTheComingBoundary)
{
    EXPECT_EQ(clockwnd::DelayToNextTickMs(998), 2 + clockwnd::kTickSlackMs);
    EXPECT_EQ(clockwnd::DelayToNextTickMs(0), 1000 + clockwnd::kTickSlackMs);
    // No usable reading: a plain second.
    EXPECT_EQ(clockwnd::DelayToNextTickMs(-1), 1000 + clockwnd::kTickSlackMs);
}

} // namespace
