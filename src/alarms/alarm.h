// Alarm: one alarm as the user sets it - the minute it rings, on which days,
// what it says and plays, and whether it is on - with its "HH:MM" text, its
// repeat as the list of alarms shows it, the notice for one that rang
// unanswered or was missed, and the Alarms dialog's list kept true to the
// once alarms that rang while it was open.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace alarms {

constexpr int kMaxAlarms = 16;

// Day bits as timekeeping::Weekday counts: bit 0 Sunday .. bit 6 Saturday.
constexpr std::uint8_t kEveryDay = 0x7f;

struct Alarm {
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    // Rings at the next such minute, whatever the day; days are then 0.
    bool once = true;
    // The days a repeating alarm rings on; one with none never rings.
    std::uint8_t days = 0;
    std::string label;
    std::string sound; // a WAV file; empty for the system's alarm sound
    bool on = true;

    bool operator==(const Alarm& o) const
    {
        return hour == o.hour && minute == o.minute && once == o.once && days == o.days &&
               label == o.label && sound == o.sound && on == o.on;
    }
    bool operator!=(const Alarm& o) const { return !(*this == o); }
};

// "07:30".
std::string TimeText(const Alarm& alarm);
// "Once", "Every day", the days from Monday ("Mon Wed Fri"), or "Never"
// for a repeating alarm without a day.
std::string RepeatText(const Alarm& alarm);
// "Missed alarm: 07:30 Stand-up", or "Missed alarm: 07:30" without a label.
std::string MissedNotice(const Alarm& alarm);

// The list the Alarms dialog hands back, after the clock kept ringing while
// it was open: a once alarm that rang meanwhile (on in the list the dialog
// opened with, off in the clock's now) is off in the edited list too,
// unless the user changed it there. Only that turning off happens behind
// the dialog's back, at the same place in the list.
std::vector<Alarm> KeepSpentOff(std::vector<Alarm> edited, const std::vector<Alarm>& opened,
                                const std::vector<Alarm>& now);

} // namespace alarms
