// What the clock says of itself to a screen reader and in its icon's tip,
// and the minute by which that changes.
#include "clockwnd/clock_name.h"

#include <gtest/gtest.h>

namespace {

using timekeeping::ClockTime;

// Monday 7 December 2026, 07:45:09 in the clock's zone.
const ClockTime kMorning{ 1796629509, true, 7, 45, 9, 0, 2026, 12, 7, 1 };

ClockTime With(int hour, int minute, int second, int day = 7)
{
    ClockTime time = kMorning;
    time.hour = hour, time.minute = minute, time.second = second, time.day = day;
    return time;
}

TEST(ClockName, TimeAndDateInWords)
{
    ClockTime unread = kMorning;
    unread.valid = false;
    EXPECT_EQ(clockwnd::ClockName(kMorning, "Monday 7 December"),
              "Zentim, 07:45, Monday 7 December");
    EXPECT_EQ(clockwnd::ClockName(With(0, 5, 0), "Montag, 7. Dezember"),
              "Zentim, 00:05, Montag, 7. Dezember");
    EXPECT_EQ(clockwnd::ClockName(kMorning, ""), "Zentim, 07:45");
    EXPECT_EQ(clockwnd::ClockName(unread, "Monday 7 December"), "Zentim");
    EXPECT_EQ(clockwnd::TrayTipText("Zentim, 07:45", "Zentim: Tokyo"),
              "Zentim, 07:45\nZentim: Tokyo");
    EXPECT_EQ(clockwnd::TrayTipText("Zentim, 07:45", ""), "Zentim, 07:45");
}

// The same minute through its seconds; any change of what the name says is
// another, the clock set back an hour included.
TEST(ClockName, ChangesWithTheMinuteOnly)
{
    const std::int64_t minute = clockwnd::MinuteOf(kMorning);
    EXPECT_EQ(clockwnd::MinuteOf(With(7, 45, 0)), minute);
    EXPECT_EQ(clockwnd::MinuteOf(With(7, 45, 59)), minute);
    ClockTime later = With(7, 45, 9);
    later.seconds += 3600;
    later.daylight = true;
    EXPECT_EQ(clockwnd::MinuteOf(later), minute) << "what the name says did not change";
    ClockTime unread = kMorning;
    unread.valid = false;
    for (const ClockTime& other :
         { With(7, 46, 0), With(7, 44, 59), With(6, 45, 9), With(7, 45, 9, 8), unread })
        EXPECT_NE(clockwnd::MinuteOf(other), minute)
            << other.hour << ":" << other.minute << " day " << other.day;
    ClockTime nextMonth = kMorning;
    nextMonth.month = 1, nextMonth.year = 2027;
    EXPECT_NE(clockwnd::MinuteOf(nextMonth), minute);
}

} // namespace
