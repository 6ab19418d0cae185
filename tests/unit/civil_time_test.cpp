#include "time/civil_time.h"

#include <gtest/gtest.h>

namespace {

using timekeeping::CivilTime;

// Known dates on both sides of 1970 and of leap days, and every day of four
// centuries there and back.
TEST(CivilTime, DatesAndSecondsConvertBothWays)
{
    // clang-format off
    const struct { CivilTime t; std::int64_t seconds; int weekday; } cases[] = {
        { { 1970, 1, 1, 0, 0, 0 }, 0, 4 },
        { { 1969, 12, 31, 23, 59, 59 }, -1, 3 },
        { { 2000, 2, 29, 12, 0, 0 }, 951825600, 2 },
        { { 2026, 12, 7, 7, 45, 0 }, 1796629500, 1 },
        { { 2100, 3, 1, 0, 0, 0 }, 4107542400, 1 },
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(timekeeping::ToSeconds(c.t), c.seconds) << c.seconds;
        EXPECT_EQ(timekeeping::FromSeconds(c.seconds), c.t) << c.seconds;
        EXPECT_EQ(timekeeping::Weekday(c.t.year, c.t.month, c.t.day), c.weekday) << c.seconds;
    }
    for (std::int64_t days = -73000; days < 73000; ++days) {
        const CivilTime t = timekeeping::CivilFromDays(days);
        ASSERT_EQ(timekeeping::DaysFromCivil(t.year, t.month, t.day), days);
        ASSERT_LE(t.day, timekeeping::DaysInMonth(t.year, t.month));
    }
}

} // namespace
