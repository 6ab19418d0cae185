#include "face/chime_rule.h"
#include "face/clock_time.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Only the multiples: no minute just after one (as the quotient rounded to
// one decimal would add from an interval of 20 on); an hour or more chimes
// at minute 0 alone.
TEST(ChimeRule, DueMinutesAreTheMultiplesOfTheInterval)
{
    // clang-format off
    const std::pair<int, std::vector<int>> cases[] = {
        { 15, { 0, 15, 30, 45 } }, { 19, { 0, 19, 38, 57 } }, { 20, { 0, 20, 40 } },
        { 21, { 0, 21, 42 } }, { 30, { 0, 30 } }, { 59, { 0, 59 } }, { 60, { 0 } },
        { 120, { 0 } }, { 0, {} }, { -5, {} } };
    // clang-format on
    for (const auto& [interval, expected] : cases) {
        std::vector<int> due;
        for (int minute = -1; minute < 60; ++minute) {
            if (face::IsDueMinute(minute, interval))
                due.push_back(minute);
        }
        EXPECT_EQ(due, expected) << "interval " << interval;
    }
}

// 2026-03-02 at a local time in a zone offset seconds ahead of UTC.
timekeeping::ClockTime At(int hour, int minute, int second, int offset = 0)
{
    return {
        1772409600 + hour * 3600 + minute * 60 + second - offset, true, hour, minute, second, 0
    };
}

// Passes come twice in a second or skip seconds: the first pass within the
// first five seconds of a due minute chimes, no later one in that minute.
TEST(ChimeRule, EachDueMinuteChimesOnceEarlyInTheMinute)
{
    struct Pass {
        timekeeping::ClockTime time;
        int interval;
        bool chimes;
    };
    const timekeeping::ClockTime unreadable{ 1772452500, false, -1, -1, -1, 0 };
    // clang-format off
    const std::vector<Pass> runs[] = {
        // first paint and first tick in second 0
        { { At(12, 15, 0), 15, true }, { At(12, 15, 0), 15, false }, { At(12, 15, 4), 15, false } },
        // a busy thread: second 59, then 1; started at second 5 of a due minute
        { { At(12, 14, 59), 15, false }, { At(12, 15, 1), 15, true } },
        { { At(12, 15, 5), 15, false }, { At(12, 30, 0), 15, true } },
        // a chime that ran into the next minute's first seconds; an hour later
        { { At(12, 15, 0), 1, true }, { At(12, 16, 3), 1, true }, { At(12, 16, 4), 1, false } },
        { { At(12, 0, 0), 60, true }, { At(13, 0, 1), 60, true } },
        // unreadable time; switched on within the minute; interval changed after the chime
        { { unreadable, 1, false }, { At(12, 15, 1), 15, true } },
        { { At(12, 0, 0), 0, false }, { At(12, 0, 2), 5, true } },
        { { At(12, 30, 0), 15, true }, { At(12, 30, 2), 30, false } },
        // zone offsets not whole minutes; the clock set back within the minute
        { { At(12, 15, 0, 2), 15, true }, { At(12, 15, 3, 2), 15, false },
          { At(12, 30, 3, -56), 15, true }, { At(12, 30, 4, -56), 15, false } },
        { { At(12, 15, 3), 15, true }, { At(12, 14, 58), 15, false }, { At(12, 15, 0), 15, false } },
    };
    // clang-format on
    for (size_t run = 0; run < std::size(runs); ++run) {
        face::ChimeLatch latch;
        for (size_t i = 0; i < runs[run].size(); ++i)
            EXPECT_EQ(latch.ClaimChime(runs[run][i].time, runs[run][i].interval),
                      runs[run][i].chimes)
                << "run " << run << ", pass " << i;
    }
}

TEST(ClockTime, FormatsHoursAndMinutesInTwoDigits)
{
    EXPECT_EQ(face::FormatTimeText({ 0, true, 9, 5, 59, 0 }), "09:05");
    EXPECT_EQ(face::FormatTimeText({ 0, false, 9, 5, 0, 0 }), "Invalid DateTime");
}

} // namespace
