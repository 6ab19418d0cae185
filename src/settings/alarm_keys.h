// The alarms in zentim.ini's section [Alarms] of their own, free of any
// platform API: ReadAlarms takes them from the keys alarm1_... to
// alarm16_..., WriteAlarms gives the keys to write and the ones to remove.
// An alarm is five flat keys, e.g. for the first:
//   alarm1_time=07:30                    hours and minutes
//   alarm1_days=mon,tue,wed,thu,fri      or daily, or once; absent: once
//   alarm1_label="Stand-up"              absent: empty
//   alarm1_sound=""                      empty: the system's alarm sound
//   alarm1_on=1                          0 is off; absent: on
#pragma once

#include "alarms/alarm.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace settings {

constexpr char kAlarmsSection[] = "Alarms";

// A key's value in the section as the profile functions give it (the blanks
// around it and one pair of enclosing quotes taken off), or nothing when the
// key is absent.
using Lookup = std::function<std::optional<std::string>(const std::string& key)>;

struct LoadedAlarms {
    std::vector<alarms::Alarm> alarms;
    // A "Can`t load alarm N: ..." line, each ending in "\n", per alarm that
    // was skipped.
    std::string messages;
};

// The alarms whose _time key is present, in their numbers' order, gaps
// closed. One whose time, days or switch cannot be read is skipped, never
// guessed.
LoadedAlarms ReadAlarms(const Lookup& lookup);

struct AlarmKeys {
    // In the file's order; texts quoted. Only the first kMaxAlarms alarms.
    std::vector<std::pair<std::string, std::string>> values;
    // Every key of the numbers after the last alarm up to kMaxAlarms, so that
    // alarms deleted since the last save do not come back.
    std::vector<std::string> removed;
};

// The alarms numbered from 1 without gaps. A once alarm reads back with no
// days, any other alarm reads back equal.
AlarmKeys WriteAlarms(const std::vector<alarms::Alarm>& list);

} // namespace settings
