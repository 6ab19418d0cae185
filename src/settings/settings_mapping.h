// The settings file's layout, free of any platform API:
//   Load                - a store's keys into settings, the window rectangle
//                         to apply and the messages for the user;
//   Save                - settings and window rectangle into a store;
//   SaveAlarms          - the alarms alone, into their section [Alarms];
//   SaveFailureMessages - what a save says when the file cannot be written;
//   SaveAlarmsFailureMessage - and what a save of the alarms alone says;
//   SaveConfirmation    - what a save that wrote everything says.
// Messages are lines, each ending in a line feed, shown in one box.
#pragma once

#include "settings/clock_settings.h"
#include "settings/store.h"
#include "settings/window_placement.h"

#include <optional>
#include <string>
#include <vector>

namespace settings {

struct Loaded {
    ClockSettings values;
    // The saved rectangle, when there is one that may be applied.
    std::optional<ScreenRect> window;
    std::string messages;
};

// Absent keys take the defaults of ClockSettings; an alarm that cannot be
// read is left out, with its line in the messages.
Loaded Load(const Store& store);

// Writes every key, in the file's order, the alarms' last.
void Save(Store& store, const ClockSettings& values, const ScreenRect& window);
// Writes the alarms' keys and removes those of alarms deleted since; the
// store's other sections stay as they are.
void SaveAlarms(Store& store, const std::vector<alarms::Alarm>& alarms);
// A line for each group of keys, as each of their writes failed.
std::string SaveFailureMessages();
std::string SaveAlarmsFailureMessage();

std::string SaveConfirmation(const std::string& iniPath);

} // namespace settings
