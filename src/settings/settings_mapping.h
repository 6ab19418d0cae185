// The settings file's layout, free of any platform API:
//   Load                - a store's keys into settings, the window rectangle
//                         to apply and the messages for the user;
//   Save                - settings and window rectangle into a store;
//   SaveFailureMessages - what a save says when the file cannot be written;
//   SaveConfirmation    - what a save that wrote everything says.
// Messages are lines, each ending in a line feed, shown in one box.
#pragma once

#include "settings/clock_settings.h"
#include "settings/store.h"
#include "settings/window_placement.h"

#include <optional>
#include <string>

namespace settings {

struct Loaded {
    ClockSettings values;
    // The saved rectangle, when there is one that may be applied.
    std::optional<ScreenRect> window;
    std::string messages;
};

// Absent keys take the defaults of ClockSettings.
Loaded Load(const Store& store);

// Writes every key, in the file's order.
void Save(Store& store, const ClockSettings& values, const ScreenRect& window);
// A line for each group of keys, as each of their writes failed.
std::string SaveFailureMessages();

std::string SaveConfirmation(const std::string& iniPath);

} // namespace settings
