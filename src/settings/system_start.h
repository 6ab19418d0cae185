// Starting the clock with the system: a value of the current user's Run
// key for each folder a clock runs on (start_command.h names it), holding
// the command that starts this program on that folder's settings.
#pragma once

#include <string>

namespace settings {

// Whether the folder's value is there and names this very program.
bool IsStartedWithSystem(const std::string& folder);

// Adds the value, starting the clock on the settings of folder, or takes it
// away; false when the registry could not be changed.
bool SetStartedWithSystem(bool start, const std::string& folder);

} // namespace settings
