#include "face/chime_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<int> DueMinutes(int interval)
{
    std::vector<int> due;
    for (int minute = 0; minute < 60; ++minute)
        if (face::IsDueMinute(minute, interval))
            due.push_back(minute);
    return due;
}

} // namespace

// Only the multiples: no minute just after one (as a test of the quotient
// rounded to one decimal would add, from an interval of 20 on), and an
// interval of an hour or more chimes at minute 0 alone.
TEST(ChimeRule, DueMinutesAreTheMultiplesOfTheInterval)
{
    std::vector<int> everyMinute(60);
    for (int minute = 0; minute < 60; ++minute)
        everyMinute[minute] = minute;
    const struct {
        int interval;
        std::vector<int> due;
    } cases[] = {
        { 1, everyMinute },
        { 15, { 0, 15, 30, 45 } },
        { 19, { 0, 19, 38, 57 } },
        { 20, { 0, 20, 40 } },
        { 21, { 0, 21, 42 } },
        { 29, { 0, 29, 58 } },
        { 30, { 0, 30 } },
        { 41, { 0, 41 } },
        { 59, { 0, 59 } },
        { 60, { 0 } },
        { 120, { 0 } },
        { 0, {} },
        { -5, {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(DueMinutes(c.interval), c.due) << "interval " << c.interval;
    // An unreadable minute.
    EXPECT_FALSE(face::IsDueMinute(-1, 1));
    EXPECT_FALSE(face::IsDueMinute(-1, 60));
}

namespace {

// 2026-03-02 00:00:00 UTC.
constexpr std::int64_t kMidnight = 1772409600;

// A local time of that day in a zone offsetSeconds ahead of UTC.
face::ClockTime At(int hour, int minute, int second, int offsetSeconds = 0)
{
    const std::int64_t seconds = kMidnight + hour * 3600 + minute * 60 + second - offsetSeconds;
    return { seconds, true, hour, minute, second, 0 };
}

const face::ClockTime kUnreadable{ kMidnight + 12 * 3600 + 15 * 60, false, -1, -1, -1, 0 };

struct Pass {
    face::ClockTime time;
    int interval;
    bool chimes;
};

} // namespace

TEST(ChimeRule, EachDueMinuteChimesOnceEarlyInTheMinute)
{
    const struct {
        const char* name;
        std::vector<Pass> passes;
    } cases[] = {
        { "first paint and first tick in second 0",
          { { At(12, 15, 0), 15, true },
            { At(12, 15, 0), 15, false },
            { At(12, 15, 1), 15, false },
            { At(12, 15, 4), 15, false } } },
        { "tick jumps from second 59 to second 1",
          { { At(12, 14, 59), 15, false }, { At(12, 15, 1), 15, true } } },
        { "first pass late in the window", { { At(12, 15, 4), 15, true } } },
        { "started just after the window", { { At(12, 15, 5), 15, false } } },
        { "started at second 7, chimes next due minute only",
          { { At(12, 15, 7), 15, false },
            { At(12, 15, 8), 15, false },
            { At(12, 16, 0), 15, false },
            { At(12, 30, 0), 15, true } } },
        { "chime ran into the next due minute's window",
          { { At(12, 15, 0), 1, true }, { At(12, 16, 3), 1, true }, { At(12, 16, 4), 1, false } } },
        { "chime ran past the next due minute's window",
          { { At(12, 15, 0), 1, true }, { At(12, 16, 6), 1, false }, { At(12, 17, 0), 1, true } } },
        { "same minute of the hour an hour later",
          { { At(12, 0, 0), 60, true }, { At(13, 0, 1), 60, true }, { At(13, 0, 2), 90, false } } },
        { "unreadable time",
          { { kUnreadable, 1, false }, { kUnreadable, 15, false }, { At(12, 15, 1), 15, true } } },
        { "chime switched off and on",
          { { At(12, 0, 0), 0, false }, { At(12, 0, 1), -5, false }, { At(12, 0, 2), 5, true } } },
        { "interval changed after the minute chimed",
          { { At(12, 30, 0), 15, true }, { At(12, 30, 2), 30, false } } },
        { "interval changed to one due this minute",
          { { At(12, 30, 1), 7, false }, { At(12, 30, 2), 15, true } } },
        { "zone offsets not whole minutes",
          { { At(12, 15, 0, 2), 15, true },
            { At(12, 15, 3, 2), 15, false },
            { At(12, 30, 3, -56), 15, true },
            { At(12, 30, 4, -56), 15, false } } },
        { "clock set back within the minute",
          { { At(12, 15, 3), 15, true },
            { At(12, 14, 58), 15, false },
            { At(12, 15, 0), 15, false } } },
    };
    for (const auto& c : cases) {
        face::ChimeLatch latch;
        for (std::size_t i = 0; i < c.passes.size(); ++i) {
            const Pass& pass = c.passes[i];
            EXPECT_EQ(latch.ClaimChime(pass.time, pass.interval), pass.chimes)
                << c.name << ", pass " << i;
        }
    }
}
