#include "clockwnd/alarm_ringer.h"

#include "res/resource.h"

#include <shellapi.h>

#include <algorithm>

namespace clockwnd {
namespace {

alarms::Zone ZoneOf(const timekeeping::ZoneClock& clock)
{
    return { [&clock](std::int64_t utc) { return clock.ToLocal(utc); },
             [&clock](const timekeeping::CivilTime& local) {
                 return clock.FirstUtcAtOrAfter(local);
             } };
}

bool Sounding(const alarms::Ringing& ring) { return ring.State() == alarms::RingState::Sounding; }

void DropEnded(std::vector<alarms::Ringing>& rings)
{
    rings.erase(std::remove_if(rings.begin(), rings.end(),
                               [](const alarms::Ringing& ring) {
                                   return ring.State() == alarms::RingState::Over;
                               }),
                rings.end());
}

} // namespace

AlarmRinger::AlarmRinger(face::SoundPlayer& player, ChimeRunner& chime,
                         const timekeeping::ZoneClock& zone)
    : m_player(player), m_chime(chime), m_schedule(ZoneOf(zone)), m_zone(ZoneOf(zone)),
      m_window({ [this] { Snooze(); }, [this] { Dismiss(); } })
{
}

void AlarmRinger::SetAlarms(const std::vector<alarms::Alarm>& alarms)
{
    m_schedule.SetAlarms(alarms);
}

bool AlarmRinger::Tick(HWND clock, std::int64_t nowUtc, int flashCount)
{
    // A clock started within an alarm's minute (the computer has just
    // come on) still rings it: the first tick looks back to the minute's
    // start, zones being whole minutes off UTC.
    const std::int64_t previous = m_lastUtc.value_or(nowUtc - nowUtc % 60 - 1);
    m_lastUtc = nowUtc;
    bool soundsAgain = false, ended = false;
    for (alarms::Ringing& ring : m_rings) {
        const alarms::RingChange change = ring.Tick(nowUtc);
        soundsAgain |= change == alarms::RingChange::SoundsAgain;
        if (change == alarms::RingChange::Missed) {
            AddNotice(clock, ring.GetAlarm());
            ended = true;
        }
    }
    DropEnded(m_rings);

    bool turnedOff = false;
    for (const alarms::AlarmEvent& event : m_schedule.Check(previous, nowUtc)) {
        const alarms::Alarm& alarm = m_schedule.Alarms()[event.index];
        turnedOff |= event.turnedOff;
        // Late after a sleep, a ring still has its ten minutes from now.
        if (event.kind == alarms::AlarmEventKind::Ring) {
            m_rings.emplace_back(alarm, nowUtc);
            soundsAgain = true;
        } else {
            AddNotice(clock, alarm);
        }
    }
    if (soundsAgain)
        StartSounding(clock, flashCount);
    else if (ended)
        ShowSounding();
    return turnedOff;
}

bool AlarmRinger::ChimeGivesWay(std::int64_t minuteStartUtc) const
{
    return alarms::ChimeGivesWay(m_schedule.Alarms(), minuteStartUtc, m_zone);
}

void AlarmRinger::StartSounding(HWND clock, int flashCount)
{
    // The alarm that began sounding last is the one heard.
    const auto newest = std::find_if(m_rings.rbegin(), m_rings.rend(), Sounding);
    if (newest == m_rings.rend())
        return;
    m_player.StartAlarm(newest->GetAlarm().sound);
    ShowSounding();
    // The flashes bring the clock back from the notification area and
    // activate it; the keys go to the ring window after them.
    m_chime.Stop();
    m_chime.Start(clock, flashCount > 0 ? flashCount : kDefaultFlashes, std::string(),
                  [this] { m_window.TakeKeys(); });
}

void AlarmRinger::ShowSounding()
{
    std::string times, labels;
    for (const alarms::Ringing& ring : m_rings) {
        if (!Sounding(ring))
            continue;
        const std::string time = alarms::TimeText(ring.GetAlarm());
        if (times.find(time) == std::string::npos)
            times += (times.empty() ? "" : " ") + time;
        const std::string& label = ring.GetAlarm().label;
        if (!label.empty())
            labels += (labels.empty() ? "" : "\n") + label;
    }
    if (times.empty()) {
        m_player.Stop(face::SoundUse::Alarm);
        m_window.Close();
        return;
    }
    m_window.Show(times, labels);
}

void AlarmRinger::Snooze()
{
    m_chime.Stop();
    for (alarms::Ringing& ring : m_rings) {
        if (Sounding(ring))
            ring.Snooze(m_lastUtc.value_or(0));
    }
    ShowSounding();
}

void AlarmRinger::Dismiss()
{
    m_chime.Stop();
    for (alarms::Ringing& ring : m_rings) {
        if (Sounding(ring))
            ring.Dismiss();
    }
    DropEnded(m_rings);
    ShowSounding();
}

void AlarmRinger::AddNotice(HWND clock, const alarms::Alarm& alarm)
{
    m_notice += (m_notice.empty() ? "" : "\n") + alarms::MissedNotice(alarm);
    // Shown whether the clock is on screen or not: the user is to learn of
    // it either way.
    m_noticeIcon.Add(clock, WM_ALARM_NOTICE,
                     LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)),
                     m_notice);
    m_noticeIcon.Notify("Zentim", m_notice);
}

void AlarmRinger::OnNoticeIcon(LPARAM mouseMessage)
{
    if (mouseMessage != WM_LBUTTONDOWN && mouseMessage != NIN_BALLOONUSERCLICK)
        return;
    m_noticeIcon.Delete();
    m_notice.clear();
}

void AlarmRinger::OnTaskbarCreated() { m_noticeIcon.OnTaskbarCreated(); }

void AlarmRinger::Stop()
{
    m_rings.clear();
    m_player.Stop(face::SoundUse::Alarm);
    m_window.Close();
    m_noticeIcon.Delete();
}

} // namespace clockwnd
