#include "alarms/alarm_schedule.h"

#include <utility>

namespace alarms {
namespace {

using timekeeping::CivilTime;

// Local time steps back across midnight or forward by a whole day at some
// zone changes (Samoa skipped 2011-12-30), so occurrences are looked for
// from the local day before to a week and a day after.
constexpr std::int64_t kDaysBack = 1;
constexpr std::int64_t kDaysAhead = 8;

struct Occurrence {
    std::int64_t utc;
    std::int64_t day; // the local day it is due for
};

std::int64_t LocalDay(std::int64_t utc, const Zone& zone)
{
    const CivilTime local = zone.toLocal(utc);
    return timekeeping::DaysFromCivil(local.year, local.month, local.day);
}

CivilTime AlarmMinuteOn(const Alarm& alarm, std::int64_t day)
{
    CivilTime local = timekeeping::CivilFromDays(day);
    local.hour = alarm.hour;
    local.minute = alarm.minute;
    return local;
}

bool RingsOnDay(const Alarm& alarm, std::int64_t day)
{
    if (alarm.once)
        return true;
    const CivilTime date = timekeeping::CivilFromDays(day);
    return (alarm.days >> timekeeping::Weekday(date.year, date.month, date.day) & 1) != 0;
}

// toUtc never decreases as local time goes on, so the first matching day
// whose minute lies after afterUtc gives the next occurrence.
std::optional<Occurrence> FirstAfter(const Alarm& alarm, std::int64_t afterUtc, const Zone& zone)
{
    const std::int64_t today = LocalDay(afterUtc, zone);
    for (std::int64_t day = today - kDaysBack; day <= today + kDaysAhead; ++day) {
        if (!RingsOnDay(alarm, day))
            continue;
        const std::int64_t utc = zone.toUtc(AlarmMinuteOn(alarm, day));
        if (utc > afterUtc)
            return Occurrence{ utc, day };
    }
    return std::nullopt;
}

std::optional<Occurrence> LastAtOrBefore(const Alarm& alarm, std::int64_t nowUtc, const Zone& zone)
{
    const std::int64_t today = LocalDay(nowUtc, zone);
    for (std::int64_t day = today + kDaysBack; day >= today - kDaysAhead; --day) {
        if (!RingsOnDay(alarm, day))
            continue;
        const std::int64_t utc = zone.toUtc(AlarmMinuteOn(alarm, day));
        if (utc <= nowUtc)
            return Occurrence{ utc, day };
    }
    return std::nullopt;
}

bool SameMinuteAndRepeat(const Alarm& a, const Alarm& b)
{
    return a.hour == b.hour && a.minute == b.minute && a.once == b.once && a.days == b.days;
}

} // namespace

std::optional<std::int64_t> NextDue(const Alarm& alarm, std::int64_t afterUtc, const Zone& zone)
{
    const std::optional<Occurrence> next = FirstAfter(alarm, afterUtc, zone);
    if (!next)
        return std::nullopt;
    return next->utc;
}

AlarmSchedule::AlarmSchedule(Zone zone, std::vector<Alarm> alarms)
    : m_zone(std::move(zone)), m_alarms(std::move(alarms)), m_lastDays(m_alarms.size())
{
}

void AlarmSchedule::SetAlarms(std::vector<Alarm> alarms)
{
    std::vector<std::optional<std::int64_t>> lastDays(alarms.size());
    std::vector<bool> taken(m_alarms.size());
    for (size_t i = 0; i < alarms.size(); ++i) {
        for (size_t old = 0; old < m_alarms.size(); ++old) {
            if (!taken[old] && SameMinuteAndRepeat(alarms[i], m_alarms[old])) {
                lastDays[i] = m_lastDays[old];
                taken[old] = true;
                break;
            }
        }
    }
    m_alarms = std::move(alarms);
    m_lastDays = std::move(lastDays);
}

std::vector<AlarmEvent> AlarmSchedule::Check(std::int64_t previousUtc, std::int64_t nowUtc)
{
    std::vector<AlarmEvent> events;
    for (size_t i = 0; i < m_alarms.size(); ++i) {
        Alarm& alarm = m_alarms[i];
        if (!alarm.on)
            continue;
        // After a jump back the latest occurrence lies before previousUtc
        // too; its day's latch then keeps it from ringing again on the way
        // forward.
        const std::optional<Occurrence> due = LastAtOrBefore(alarm, nowUtc, m_zone);
        if (!due || due->utc <= previousUtc || m_lastDays[i] == due->day)
            continue;
        m_lastDays[i] = due->day;
        const AlarmEventKind kind =
            nowUtc - due->utc <= kLateRingSeconds ? AlarmEventKind::Ring : AlarmEventKind::Missed;
        events.push_back(
            { static_cast<int>(i), kind, due->utc, AlarmMinuteOn(alarm, due->day), alarm.once });
        if (alarm.once)
            alarm.on = false;
    }
    return events;
}

Ringing::Ringing(Alarm alarm, std::int64_t startUtc)
    : m_alarm(std::move(alarm)), m_from(startUtc), m_lastTick(startUtc)
{
}

RingChange Ringing::Tick(std::int64_t nowUtc)
{
    if (m_state == RingState::Over)
        return RingChange::None;
    if (nowUtc < m_lastTick)
        m_from -= m_lastTick - nowUtc;
    m_lastTick = nowUtc;
    RingChange change = RingChange::None;
    if (m_state == RingState::Snoozed) {
        if (nowUtc < m_from)
            return RingChange::None;
        m_state = RingState::Sounding;
        change = RingChange::SoundsAgain;
    }
    if (nowUtc - m_from >= kRingSeconds) {
        m_state = RingState::Over;
        return RingChange::Missed;
    }
    return change;
}

void Ringing::Snooze(std::int64_t nowUtc)
{
    if (m_state == RingState::Over)
        return;
    m_state = RingState::Snoozed;
    m_from = nowUtc + kSnoozeSeconds;
    m_lastTick = nowUtc;
}

bool ChimeGivesWay(const std::vector<Alarm>& alarms, std::int64_t minuteStartUtc, const Zone& zone)
{
    for (const Alarm& alarm : alarms) {
        if (!alarm.on)
            continue;
        const std::optional<std::int64_t> due = NextDue(alarm, minuteStartUtc - 1, zone);
        if (due && *due < minuteStartUtc + 60)
            return true;
    }
    return false;
}

} // namespace alarms
