// Starting the clock with the system: one value, named for the program, of
// the current user's Run key, holding the command that starts this
// program on the settings it reads now.
#pragma once

#include <string>

namespace settings {

// Whether the value is there and names this very program.
bool IsStartedWithSystem();

// Adds the value, starting the clock on the settings of folder, or takes it
// away; false when the registry could not be changed.
bool SetStartedWithSystem(bool start, const std::string& folder);

} // namespace settings
