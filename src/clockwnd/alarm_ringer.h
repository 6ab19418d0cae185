// AlarmRinger: the clock's alarms at work. Each tick it asks the schedule
// (alarms/alarm_schedule.h), in the clock's own zone, what came due since
// the last; an alarm that rings brings the clock back from the
// notification area, flashes it as the chime does, plays its sound over
// and over and shows its ring window, all without holding the clock up;
// snoozed it comes back five minutes later; unanswered for ten minutes, or
// missed while the computer slept, it leaves a notice on an icon of its
// own in the notification area until that is clicked.
// WM_ALARM_NOTICE: the message that icon sends the clock window.
#pragma once

#include "alarms/alarm_schedule.h"
#include "alarmsui/ring_window.h"
#include "clockwnd/chime_runner.h"
#include "clockwnd/tray_icon.h"
#include "face/sound_player.h"
#include "time/zone_clock.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace clockwnd {

// Callback message of the missed notice's icon, beside the clock's own
// WM_TRAY_NOTIFY; the mouse message over the icon comes in lParam.
constexpr UINT WM_ALARM_NOTICE = WM_USER + 2;

class AlarmRinger {
public:
    // Flashes when the chime's setting asks for none.
    static constexpr int kDefaultFlashes = 3;

    AlarmRinger(face::SoundPlayer& player, ChimeRunner& chime, const timekeeping::ZoneClock& zone);
    AlarmRinger(const AlarmRinger&) = delete;
    AlarmRinger& operator=(const AlarmRinger&) = delete;

    // The user's list. An alarm that rang today and keeps its minute and
    // repeat does not ring again today.
    void SetAlarms(const std::vector<alarms::Alarm>& alarms);
    // The list as the rings left it: a once alarm is off after it rang.
    const std::vector<alarms::Alarm>& Alarms() const { return m_schedule.Alarms(); }

    // At every tick with its UTC second, the first tick's only taken as
    // the start: rings, sounds again, stops or reports what is due on the
    // clock's window. True when a once alarm turned itself off, for the
    // clock to keep the list.
    bool Tick(HWND clock, std::int64_t nowUtc, int flashCount);
    // Whether the chime of the local minute starting at minuteStartUtc
    // gives way to an alarm due in it.
    bool ChimeGivesWay(std::int64_t minuteStartUtc) const;

    // The ring window's buttons, for every alarm sounding.
    void Snooze();
    void Dismiss();

    // The notice's icon called back: a click takes the notice away.
    void OnNoticeIcon(LPARAM mouseMessage);
    // The shell restarted: the notice's icon is shown again.
    void OnTaskbarCreated();
    // The clock goes: sound, ring window and notice go with it.
    void Stop();

    // What the missed notice says, a line per alarm; "" without one.
    const std::string& Notice() const { return m_notice; }
    bool NoticeShown() const { return m_noticeIcon.Shown(); }

private:
    // The sounding alarms' sound, flashes and window, after a ring began
    // or came back from a snooze.
    void StartSounding(HWND clock, int flashCount);
    // The window shows what still sounds; sound and window go when
    // nothing does.
    void ShowSounding();
    void AddNotice(HWND clock, const alarms::Alarm& alarm);

    face::SoundPlayer& m_player;
    ChimeRunner& m_chime;
    alarms::AlarmSchedule m_schedule;
    alarms::Zone m_zone;
    // The last tick's UTC second; the schedule is asked about the time
    // since.
    std::optional<std::int64_t> m_lastUtc;
    std::vector<alarms::Ringing> m_rings;
    CRingWindow m_window;
    TrayIcon m_noticeIcon{ 1 };
    std::string m_notice;
};

} // namespace clockwnd
