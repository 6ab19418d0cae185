#include "time/zone_rule.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

using timekeeping::CivilTime;
using timekeeping::ZoneRule;
using timekeeping::ZoneRules;

// Zones' rules as the registry's TZI value lays them out: bias, standard
// bias, daylight bias, then the standard and the daylight date as SYSTEMTIME
// (year, month, weekday, week, hour, minute, second, ms). Their changes agree
// with the zones' IANA rules in every year each rule stands for.
const ZoneRules kWEurope{ { -60, 0, -60, { 0, 10, 0, 5, 3 }, { 0, 3, 0, 5, 2 } } };
const ZoneRules kPacific{ { 480, 0, -60, { 0, 11, 0, 1, 2 }, { 0, 3, 0, 2, 2 } } };
const ZoneRule kAusEastern{ -600, 0, -60, { 0, 4, 0, 1, 3 }, { 0, 10, 0, 1, 2 } };
const ZoneRules kSydney{ kAusEastern };
const ZoneRules kTokyo{ { -540, 0, -60 } };
const ZoneRules kNepal{ { -345, 0, -60 } };
const ZoneRules kNewfoundland{ { 210, 0, -60, { 0, 11, 0, 1, 2 }, { 0, 3, 0, 2, 2 } } };
const ZoneRules kChatham{ { -765, 0, -60, { 0, 4, 0, 1, 3, 45 }, { 0, 9, 0, 5, 2, 45 } } };
const ZoneRules kLordHowe{ { -630, 0, -30, { 0, 4, 0, 1, 2 }, { 0, 10, 0, 1, 2 } } };
// Mexico City's last two years with their own rule: daylight time ended in
// October 2022 for good.
const ZoneRule kMexicoNoDaylight{ 360, 0, -60 };
const ZoneRules kMexico{ kMexicoNoDaylight,
                         { { 2022, { 360, 0, -60, { 0, 10, 0, 5, 2 }, { 0, 4, 0, 1, 2 } } },
                           { 2023, kMexicoNoDaylight } } };
// Amman's rule of 2014-2021, its start at midnight ending the last Thursday
// of March written as Windows writes such a time; and its 2021 dates as
// absolute dates.
const ZoneRules kAmman{ { -120, 0, -60, { 0, 10, 5, 5, 1 }, { 0, 3, 4, 5, 23, 59, 59, 999 } } };
const ZoneRule kAmman2021{
    -120, 0, -60, { 2021, 10, 5, 29, 1 }, { 2021, 3, 4, 25, 23, 59, 59, 999 }
};
const ZoneRules kAmman2021Rules{ kAmman2021 };
// Sydney as if daylight time had come with 2025: whether it holds after the
// new year is for 2025's rule to say, from local standard midnight on; and
// the years after the last entry keep its rule, not the standing one.
const ZoneRule kAusNoDaylight{ -600, 0, -60 };
const ZoneRules kSydneyFrom2025{ kAusNoDaylight,
                                 { { 2024, kAusNoDaylight }, { 2025, kAusEastern } } };
// A zone that crosses the date line with the new year, as Samoa did at the
// end of 2011: the UTC new year brings the new rule, and a day is skipped.
const ZoneRule kPacificWest{ 600, 0, -60 };
const ZoneRules kCrossesDateLine{ kPacificWest,
                                  { { 2024, kPacificWest }, { 2025, { -840, 0, -60 } } } };

// Amman's 2021 rule: its fields differ, words run above 255, LONGs are
// negative. One byte more or less is no TZI value.
TEST(ZoneRule, ParsesTheRegistryTziValue)
{
    // clang-format off
    const unsigned char tzi[timekeeping::kTziSize + 1] = {
        0x88, 0xff, 0xff, 0xff, 0, 0, 0, 0, 0xc4, 0xff, 0xff, 0xff,
        0xe5, 7, 10, 0, 5, 0, 29, 0, 1, 0, 0, 0, 0, 0, 0, 0,
        0xe5, 7, 3, 0, 4, 0, 25, 0, 23, 0, 59, 0, 59, 0, 0xe7, 3 };
    // clang-format on
    const auto rule = timekeeping::ParseTzi(tzi, timekeeping::kTziSize);
    ASSERT_TRUE(rule);
    EXPECT_TRUE(*rule == kAmman2021);
    EXPECT_FALSE(timekeeping::ParseTzi(tzi, timekeeping::kTziSize - 1));
    EXPECT_FALSE(timekeeping::ParseTzi(tzi, timekeeping::kTziSize + 1));
}

// The first second of each kind of change, and the last before it where
// that is at stake; past midnight and the new year. The expected values of
// real zones are Python's zoneinfo for their IANA names.
TEST(ZoneRule, ReadsLocalTimeOffsetAndDaylight)
{
    struct Reading {
        const ZoneRules* zone;
        CivilTime utc;
        CivilTime local;
        bool daylight;
    };
    // clang-format off
    const Reading cases[] = {
        { &kWEurope, { 2024, 3, 31, 0, 59, 59 }, { 2024, 3, 31, 1, 59, 59 }, false },
        { &kWEurope, { 2024, 3, 31, 1, 0, 0 }, { 2024, 3, 31, 3, 0, 0 }, true },
        { &kWEurope, { 2024, 10, 27, 0, 59, 59 }, { 2024, 10, 27, 2, 59, 59 }, true },
        { &kWEurope, { 2024, 10, 27, 1, 0, 0 }, { 2024, 10, 27, 2, 0, 0 }, false },
        { &kPacific, { 2024, 3, 10, 10, 0, 0 }, { 2024, 3, 10, 3, 0, 0 }, true },
        { &kSydney, { 2024, 4, 6, 16, 0, 0 }, { 2024, 4, 7, 2, 0, 0 }, false },
        { &kSydney, { 2024, 10, 5, 16, 0, 0 }, { 2024, 10, 6, 3, 0, 0 }, true },
        { &kSydney, { 2024, 12, 31, 14, 0, 0 }, { 2025, 1, 1, 1, 0, 0 }, true },
        { &kTokyo, { 2024, 12, 31, 15, 0, 0 }, { 2025, 1, 1, 0, 0, 0 }, false },
        { &kNepal, { 2024, 3, 31, 18, 15, 0 }, { 2024, 4, 1, 0, 0, 0 }, false },
        { &kNewfoundland, { 2024, 11, 3, 4, 30, 0 }, { 2024, 11, 3, 1, 0, 0 }, false },
        { &kChatham, { 2024, 9, 28, 14, 0, 0 }, { 2024, 9, 29, 3, 45, 0 }, true },
        { &kLordHowe, { 2024, 4, 6, 15, 0, 0 }, { 2024, 4, 7, 1, 30, 0 }, false },
        { &kLordHowe, { 2024, 10, 5, 15, 30, 0 }, { 2024, 10, 6, 2, 30, 0 }, true },
        { &kMexico, { 2022, 4, 3, 8, 0, 0 }, { 2022, 4, 3, 3, 0, 0 }, true },
        { &kMexico, { 2023, 4, 2, 8, 0, 0 }, { 2023, 4, 2, 2, 0, 0 }, false },
        { &kMexico, { 2021, 4, 4, 8, 0, 0 }, { 2021, 4, 4, 3, 0, 0 }, true },
        { &kAmman, { 2021, 3, 25, 21, 59, 59 }, { 2021, 3, 25, 23, 59, 59 }, false },
        { &kAmman, { 2021, 3, 25, 22, 0, 0 }, { 2021, 3, 26, 1, 0, 0 }, true },
        { &kAmman2021Rules, { 2021, 3, 25, 22, 0, 0 }, { 2021, 3, 26, 1, 0, 0 }, true },
        { &kSydneyFrom2025, { 2024, 12, 31, 13, 59, 59 }, { 2024, 12, 31, 23, 59, 59 }, false },
        { &kSydneyFrom2025, { 2024, 12, 31, 14, 0, 0 }, { 2025, 1, 1, 1, 0, 0 }, true },
        { &kSydneyFrom2025, { 2026, 1, 15, 0, 0, 0 }, { 2026, 1, 15, 11, 0, 0 }, true },
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const auto reading = timekeeping::ReadZone(*c.zone, timekeeping::ToSeconds(c.utc));
        EXPECT_EQ(reading.local, c.local) << "case " << i;
        EXPECT_EQ(reading.offsetMinutes,
                  (timekeeping::ToSeconds(c.local) - timekeeping::ToSeconds(c.utc)) / 60)
            << "case " << i;
        EXPECT_EQ(reading.daylight, c.daylight) << "case " << i;
    }
}

// Local times the clocks skip give the moment of the jump, repeated ones
// their first occurrence.
TEST(ZoneRule, FindsTheFirstUtcAtOrAfterALocalTime)
{
    // clang-format off
    const struct { const ZoneRules* zone; CivilTime local; CivilTime utc; } cases[] = {
        { &kWEurope, { 2024, 3, 31, 2, 30, 0 }, { 2024, 3, 31, 1, 0, 0 } },
        { &kWEurope, { 2024, 10, 27, 2, 30, 0 }, { 2024, 10, 27, 0, 30, 0 } },
        { &kLordHowe, { 2024, 10, 6, 2, 15, 0 }, { 2024, 10, 5, 15, 30, 0 } },
        { &kAmman, { 2021, 3, 26, 0, 30, 0 }, { 2021, 3, 25, 22, 0, 0 } },
        { &kSydney, { 2025, 1, 1, 0, 0, 0 }, { 2024, 12, 31, 13, 0, 0 } },
        { &kSydneyFrom2025, { 2025, 1, 1, 0, 30, 0 }, { 2024, 12, 31, 14, 0, 0 } },
        { &kCrossesDateLine, { 2024, 12, 31, 18, 0, 0 }, { 2025, 1, 1, 0, 0, 0 } },
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(timekeeping::FirstUtcAtOrAfterLocal(*cases[i].zone, cases[i].local),
                  timekeeping::ToSeconds(cases[i].utc))
            << "case " << i;
    }
}

} // namespace
