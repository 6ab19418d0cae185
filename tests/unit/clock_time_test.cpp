#include "face/clock_time.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockTime, FormatsHoursAndMinutesInTwoDigits)
{
    const struct {
        face::ClockTime time;
        const char* text;
    } cases[] = {
        { { 0, true, 9, 5, 59 }, "09:05" },
        { { 0, true, 23, 59, 59 }, "23:59" },
        { { 0, true, 0, 0, 0 }, "00:00" },
        // An unreadable time, whatever its fields hold.
        { { -1, false, -1, -1, -1 }, "Invalid DateTime" },
        { { 0, false, 9, 5, 0 }, "Invalid DateTime" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(face::FormatTimeText(c.time), c.text);
}

} // namespace
