// When alarms ring, in a zone like Central Europe's: the next due minute
// across days, weeks and both clock changes; what each tick reports while
// the clock runs, jumps forward or is set back; a ringing alarm's snooze and
// ten-minute limit; the chime giving way.
#include "alarms/alarm_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace {

using alarms::Alarm;
using alarms::RingChange;
using timekeeping::CivilTime;

constexpr std::uint8_t kWeekdays = 0x3e;
constexpr std::uint8_t kWeekEnd = 0x41;

// UTC+1, and UTC+2 from 29 March to 25 October 2026, the clocks changing at
// 01:00 UTC: each change's moment and the offset from then on.
constexpr int kWinterOffset = 3600;
const std::pair<std::int64_t, int> kChanges[] = {
    { timekeeping::ToSeconds({ 2026, 3, 29, 1, 0, 0 }), 7200 },
    { timekeeping::ToSeconds({ 2026, 10, 25, 1, 0, 0 }), kWinterOffset },
};

CivilTime ToLocal(std::int64_t utc)
{
    int offset = kWinterOffset;
    for (const auto& [at, next] : kChanges)
        offset = utc >= at ? next : offset;
    return timekeeping::FromSeconds(utc + offset);
}

// The spans of one offset in turn: the first one that reaches the local
// time holds the first second at or after it.
std::int64_t FirstUtcAtOrAfter(const CivilTime& local)
{
    const std::int64_t seconds = timekeeping::ToSeconds(local);
    std::int64_t from = INT64_MIN;
    int offset = kWinterOffset;
    for (const auto& [at, next] : kChanges) {
        if (seconds - offset < at)
            break;
        from = at;
        offset = next;
    }
    return std::max(from, seconds - offset);
}

const alarms::Zone kZone{ ToLocal, FirstUtcAtOrAfter };

// A local time in 2026, hours ahead of UTC.
std::int64_t At(int month, int day, int hour, int minute, int offsetHours)
{
    return timekeeping::ToSeconds({ 2026, month, day, hour, minute, 0 }) - offsetHours * 3600;
}

Alarm Daily(int hour, int minute) { return { hour, minute, false, alarms::kEveryDay }; }
Alarm Once(int hour, int minute) { return { hour, minute, true, 0 }; }

// 2 March 2026 is a Monday; the Sunday-only alarm waits a week.
TEST(AlarmSchedule, NextDueIsTheAlarmsNextMinuteOnADayItRings)
{
    // clang-format off
    const struct { Alarm alarm; std::int64_t after; std::optional<std::int64_t> due; } cases[] = {
        { Daily(7, 30), At(3, 2, 7, 30, 1) - 1, At(3, 2, 7, 30, 1) },
        { Daily(7, 30), At(3, 2, 7, 30, 1), At(3, 3, 7, 30, 1) },
        { Once(23, 50), At(3, 3, 23, 55, 1), At(3, 4, 23, 50, 1) },
        { { 7, 30, false, kWeekdays }, At(3, 6, 8, 0, 1), At(3, 9, 7, 30, 1) },
        // Clocks forward: 02:30 never shows, it comes due at the jump.
        { { 2, 30, false, 0x01 }, At(3, 22, 12, 0, 1), At(3, 29, 3, 0, 2) },
        { Daily(7, 30), At(3, 28, 8, 0, 1), At(3, 29, 7, 30, 2) },
        // Clocks back: the first 02:30 only, not its repeat an hour later.
        { Daily(2, 30), At(10, 24, 12, 0, 2), At(10, 25, 2, 30, 2) },
        { Daily(2, 30), At(10, 25, 2, 10, 1), At(10, 26, 2, 30, 1) },
        { { 7, 30, false, 0 }, At(3, 2, 7, 0, 1), std::nullopt },
    };
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(alarms::NextDue(cases[i].alarm, cases[i].after, kZone), cases[i].due)
            << "case " << i;
}

// An event as "R0 03-29 02:30 at 03-29 03:00 off": Ring or Missed, the
// alarm's index, the minute it was due for, the local time of its UTC
// second when that differs, and whether it turned the alarm off.
std::vector<std::string> Check(alarms::AlarmSchedule& schedule, std::int64_t previous,
                               std::int64_t now)
{
    std::vector<std::string> events;
    for (const alarms::AlarmEvent& e : schedule.Check(previous, now)) {
        const auto minute = [](const CivilTime& t) {
            char text[16];
            std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d", t.month, t.day, t.hour,
                          t.minute);
            return std::string(text);
        };
        const CivilTime at = kZone.toLocal(e.dueUtc);
        events.push_back((e.kind == alarms::AlarmEventKind::Ring ? "R" : "M") +
                         std::to_string(e.index) + " " + minute(e.dueLocal) +
                         (at != e.dueLocal ? " at " + minute(at) : "") +
                         (e.turnedOff ? " off" : ""));
    }
    return events;
}

struct Tick {
    std::int64_t now;
    std::vector<std::string> events;
};

TEST(AlarmSchedule, EachTickReportsWhatCameDueSinceTheLast)
{
    const Alarm off{ 7, 30, false, alarms::kEveryDay, "", "", false };
    const std::int64_t mon730 = At(3, 2, 7, 30, 1);
    const std::int64_t tue730 = At(3, 3, 7, 30, 1);
    // clang-format off
    const struct {
        std::vector<Alarm> alarms; std::int64_t start; std::vector<Tick> ticks;
    } runs[] = {
        { { Daily(7, 30), { 7, 30, false, kWeekEnd }, off, Daily(7, 31) }, mon730 - 30,
          { { mon730 - 1, {} }, { mon730, { "R0 03-02 07:30" } }, { mon730 + 1, {} },
            { mon730 + 60, { "R3 03-02 07:31" } } } },
        // Woken or set forward: within the hour it rings at once, beyond it
        // it is missed; a jump of days reports the latest occurrence only.
        { { Daily(7, 30) }, mon730 - 1,
          { { mon730 + 3600, { "R0 03-02 07:30" } }, { mon730 + 3601, {} } } },
        { { Daily(7, 30) }, mon730 - 1, { { mon730 + 3601, { "M0 03-02 07:30" } } } },
        { { Daily(7, 30) }, mon730 - 1, { { tue730 + 86000, { "M0 03-03 07:30" } } } },
        // Set back after the ring: not again that day, but the next.
        { { Daily(7, 30) }, mon730 - 1,
          { { mon730, { "R0 03-02 07:30" } }, { mon730 - 1800, {} }, { mon730 - 1, {} },
            { mon730, {} }, { tue730, { "R0 03-03 07:30" } } } },
        // A once alarm is spent by its ring or by its miss.
        { { Once(7, 30), Once(8, 0) }, mon730 - 1,
          { { mon730, { "R0 03-02 07:30 off" } }, { mon730 + 5401, { "M1 03-02 08:00 off" } },
            { tue730 + 1800, {} } } },
        // Clocks forward: 02:30 rings at 03:00, for its own minute.
        { { Daily(2, 30) }, At(3, 29, 2, 0, 1) - 1,
          { { At(3, 29, 3, 0, 2), { "R0 03-29 02:30 at 03-29 03:00" } } } },
        // Clocks back: 02:30 rings the first time only.
        { { Daily(2, 30) }, At(10, 25, 2, 30, 2) - 1,
          { { At(10, 25, 2, 30, 2), { "R0 10-25 02:30" } }, { At(10, 25, 2, 30, 1), {} } } },
    };
    // clang-format on
    for (size_t run = 0; run < std::size(runs); ++run) {
        alarms::AlarmSchedule schedule(kZone, runs[run].alarms);
        std::int64_t previous = runs[run].start;
        for (size_t i = 0; i < runs[run].ticks.size(); ++i) {
            EXPECT_EQ(Check(schedule, previous, runs[run].ticks[i].now), runs[run].ticks[i].events)
                << "run " << run << ", tick " << i;
            previous = runs[run].ticks[i].now;
        }
    }
}

// After the clock went back past two rings, the user's edit keeps the day's
// latch of each alarm whose minute and days stayed, wherever it moved.
TEST(AlarmSchedule, EditedListKeepsTheLatchesOfUnchangedAlarms)
{
    const std::int64_t mon730 = At(3, 2, 7, 30, 1);
    alarms::AlarmSchedule schedule(kZone, { Daily(7, 30), Daily(8, 0) });
    EXPECT_EQ(Check(schedule, mon730 - 1, mon730 + 1800).size(), 2u);
    Alarm renamed = Daily(7, 30);
    renamed.label = "renamed";
    schedule.SetAlarms({ Once(7, 30), { 7, 30, false, kWeekdays }, renamed, Daily(8, 0) });
    EXPECT_EQ(Check(schedule, mon730 - 1, mon730 + 1800),
              (std::vector<std::string>{ "R0 03-02 07:30 off", "R1 03-02 07:30" }));
}

// Steps at seconds after the start: a tick, a snooze or a dismissal, then
// "again" or "missed" for a tick's change, else the state.
TEST(Ringing, RingsUntilAnsweredOrTenMinutesPass)
{
    const std::int64_t start = At(3, 2, 7, 30, 1);
    // clang-format off
    const std::vector<std::tuple<char, int, std::string>> runs[] = {
        { { 't', 599, "sounding" }, { 't', 600, "missed" }, { 't', 601, "over" } },
        { { 's', 100, "snoozed" }, { 't', 399, "snoozed" }, { 't', 400, "again" },
          { 't', 999, "sounding" }, { 't', 1000, "missed" } },
        { { 's', 100, "snoozed" }, { 't', 1000, "missed" } },
        { { 'd', 50, "over" }, { 's', 60, "over" }, { 't', 600, "over" } },
        // Set back an hour after five minutes: five more to go.
        { { 't', 300, "sounding" }, { 't', -3600, "sounding" }, { 't', -3301, "sounding" },
          { 't', -3300, "missed" } },
    };
    // clang-format on
    const char* const states[] = { "sounding", "snoozed", "over" };
    for (size_t run = 0; run < std::size(runs); ++run) {
        alarms::Ringing ringing(Daily(7, 30), start);
        for (const auto& [action, at, expected] : runs[run]) {
            RingChange change = RingChange::None;
            if (action == 't')
                change = ringing.Tick(start + at);
            else if (action == 's')
                ringing.Snooze(start + at);
            else
                ringing.Dismiss();
            const char* seen = change == RingChange::SoundsAgain ? "again"
                               : change == RingChange::Missed
                                   ? "missed"
                                   : states[static_cast<int>(ringing.State())];
            EXPECT_EQ(seen, expected) << "run " << run << ", " << action << at;
        }
    }
}

TEST(Ringing, MissedNoticeNamesTheTimeAndTheLabel)
{
    EXPECT_EQ(alarms::MissedNotice({ 7, 30, true, 0, "Stand-up" }), "Missed alarm: 07:30 Stand-up");
    EXPECT_EQ(alarms::MissedNotice({ 0, 5, true, 0, "" }), "Missed alarm: 00:05");
}

// The week from Monday, as the file writes it; a once alarm's days are not
// looked at.
TEST(Alarm, RepeatTextAsTheListShowsIt)
{
    // clang-format off
    const struct { bool once; std::uint8_t days; const char* text; } cases[] = {
        { true, 0, "Once" }, { true, alarms::kEveryDay, "Once" }, { false, alarms::kEveryDay, "Every day" },
        { false, 0x41, "Sat Sun" }, { false, 0x2b, "Mon Wed Fri Sun" }, { false, 0, "Never" },
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(alarms::RepeatText({ 7, 30, c.once, c.days }), c.text) << int(c.days);
}

// The dialog opened with a once 07:30 and a daily 08:00; the 07:30 rang
// while it was open. Its edits stand; the spent alarm stays off unless the
// user changed it.
TEST(Alarm, OnceAlarmSpentWhileTheDialogWasOpenStaysOff)
{
    const std::vector<Alarm> opened = { Once(7, 30), Daily(8, 0) };
    std::vector<Alarm> now = opened;
    now[0].on = false;
    Alarm moved = Once(7, 45);
    Alarm off = Daily(8, 0);
    off.on = false;
    Alarm spent = Once(7, 30);
    spent.on = false;
    // clang-format off
    const struct { std::vector<Alarm> edited, expected; } cases[] = {
        { opened, { spent, Daily(8, 0) } },
        { { Daily(8, 0), Once(6, 0), Once(7, 30) }, { Daily(8, 0), Once(6, 0), spent } },
        { { moved, off }, { moved, off } },
        { { Daily(8, 0) }, { Daily(8, 0) } },
        { { Once(7, 30), Once(7, 30) }, { spent, Once(7, 30) } },
    };
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(alarms::KeepSpentOff(cases[i].edited, opened, now), cases[i].expected)
            << "case " << i;
    EXPECT_EQ(alarms::KeepSpentOff(opened, opened, opened), opened) << "none rang";
}

// Minutes starting at these local times; 02:30 on the spring day comes due
// at 03:00, and its repeat in autumn does not ring.
TEST(AlarmSchedule, ChimeGivesWayToAnAlarmDueInItsMinute)
{
    const std::vector<Alarm> list = { { 7, 30, false, kWeekdays },
                                      Daily(2, 30),
                                      { 12, 0, true, 0, "", "", false } };
    // clang-format off
    const struct { std::int64_t minute; bool givesWay; } cases[] = {
        { At(3, 2, 7, 30, 1), true }, { At(3, 2, 7, 31, 1), false },
        { At(3, 7, 7, 30, 1), false }, { At(3, 2, 12, 0, 1), false },
        { At(3, 29, 3, 0, 2), true }, { At(10, 25, 2, 30, 1), false },
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(alarms::ChimeGivesWay(list, c.minute, kZone), c.givesWay) << c.minute;
}

} // namespace
