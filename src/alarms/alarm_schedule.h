// When alarms ring, over whole UTC seconds handed in and the clock's zone
// handed in as two conversions; nothing here reads a clock or a zone:
//   Zone          - local time from UTC and back;
//   NextDue       - an alarm's next minute after a given second;
//   AlarmSchedule - which alarms ring, or were missed, between two ticks;
//   Ringing       - one ringing alarm: snooze, dismiss, the ten-minute limit;
//   ChimeGivesWay - the interval chime yields to an alarm due in its minute.
#pragma once

#include "alarms/alarm.h"
#include "time/civil_time.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace alarms {

using ToLocal = std::function<timekeeping::CivilTime(std::int64_t utcSeconds)>;
// The first UTC second whose local time is at or after the given one: for a
// local time the clocks skipped, the moment they jumped; for one they
// repeated, its first occurrence.
using FirstUtcAtOrAfter = std::function<std::int64_t(const timekeeping::CivilTime& local)>;

struct Zone {
    ToLocal toLocal;
    FirstUtcAtOrAfter toUtc;
};

// An alarm missed by up to this much, as when the computer wakes from sleep
// or the time is set forward, still rings; one missed by more is reported.
constexpr std::int64_t kLateRingSeconds = 3600;
constexpr std::int64_t kSnoozeSeconds = 300;
// A ring unanswered this long stops and counts as missed.
constexpr std::int64_t kRingSeconds = 600;

// The UTC second of the alarm's next minute strictly after afterUtc on a day
// it rings, whether it is on or not; nothing for a repeating alarm with no
// day. A minute the clocks skip comes due when they jump past it, one they
// repeat only the first time.
std::optional<std::int64_t> NextDue(const Alarm& alarm, std::int64_t afterUtc, const Zone& zone);

enum class AlarmEventKind { Ring, Missed };

struct AlarmEvent {
    int index; // into the schedule's alarms
    AlarmEventKind kind;
    std::int64_t dueUtc;
    // The alarm's minute on the local day it came due for: later than
    // toLocal(dueUtc) shows when the clocks skipped it.
    timekeeping::CivilTime dueLocal;
    // A once alarm is spent by its ring or its miss and is now off; the
    // caller saves the alarms.
    bool turnedOff;
};

// The alarms and, per alarm, the local day it last rang or was reported
// for, so that a clock set back never rings it twice on one day.
class AlarmSchedule {
public:
    explicit AlarmSchedule(Zone zone, std::vector<Alarm> alarms = {});

    // The user's edited list. An alarm keeps the day it last rang when the
    // old list had one at the same minute with the same repeat (the first
    // such one not yet taken), however it was renamed, moved in the list,
    // given another sound or switched; an alarm at a new minute or on new
    // days starts afresh and may ring today.
    void SetAlarms(std::vector<Alarm> alarms);
    const std::vector<Alarm>& Alarms() const { return m_alarms; }

    // Asked once per tick with the previous tick's time (at the first, the
    // time the clock started). An alarm that is on and came due in
    // (previousUtc, nowUtc] gives one event: Ring when its latest occurrence
    // there is at most kLateRingSeconds old, else Missed; earlier occurrences
    // in a longer jump are folded into it. Nothing when the clock went back.
    // Events in the alarms' order.
    std::vector<AlarmEvent> Check(std::int64_t previousUtc, std::int64_t nowUtc);

private:
    Zone m_zone;
    std::vector<Alarm> m_alarms;
    // Local day numbers (days since 1970-01-01), one per alarm.
    std::vector<std::optional<std::int64_t>> m_lastDays;
};

enum class RingState { Sounding, Snoozed, Over };
enum class RingChange { None, SoundsAgain, Missed };

// One alarm ringing from a UTC second on: it sounds until dismissed or
// snoozed, and stops as missed after kRingSeconds unanswered since the
// current ring began. Time the clock is set back by does not count.
class Ringing {
public:
    Ringing(Alarm alarm, std::int64_t startUtc);

    // At every tick while not Over. Missed once, when it stops unanswered;
    // the caller shows MissedNotice(GetAlarm()).
    RingChange Tick(std::int64_t nowUtc);
    // Quiet until kSnoozeSeconds from now.
    void Snooze(std::int64_t nowUtc);
    void Dismiss() { m_state = RingState::Over; }

    RingState State() const { return m_state; }
    const Alarm& GetAlarm() const { return m_alarm; }

private:
    Alarm m_alarm;
    RingState m_state = RingState::Sounding;
    // When the current ring began, or when the snooze ends.
    std::int64_t m_from;
    std::int64_t m_lastTick;
};

// Whether the chime of the local minute starting at minuteStartUtc is left
// out because an alarm that is on comes due in that minute.
bool ChimeGivesWay(const std::vector<Alarm>& alarms, std::int64_t minuteStartUtc, const Zone& zone);

} // namespace alarms
