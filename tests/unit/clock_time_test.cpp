#include "face/clock_time.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockTime, FormatsHoursAndMinutesInTwoDigits)
{
    const struct {
        int hour, minute, second;
        const char* text;
    } cases[] = {
        { 9, 5, 59, "09:05" },
        { 23, 59, 59, "23:59" },
        { 0, 0, 0, "00:00" },
        { 12, 30, 0, "12:30" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(face::FormatTimeText({ 0, true, c.hour, c.minute, c.second }), c.text);
}

TEST(ClockTime, InvalidTimeHasFixedText)
{
    EXPECT_EQ(face::FormatTimeText({ -1, false, -1, -1, -1 }), "Invalid DateTime");
    EXPECT_EQ(face::FormatTimeText({ 0, false, 9, 5, 0 }), "Invalid DateTime");
}

} // namespace
