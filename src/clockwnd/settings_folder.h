// SettingsFolder: the folder whose zentim.ini a clock reads.
#pragma once

#include <string>

namespace clockwnd {

// The folder the clock was started on, as a full path: the start with the
// system runs the clock from another folder. The current folder when it
// was started on none, or on what is no folder (a file dropped on the
// program).
std::string SettingsFolder(const std::string& startedOn);

} // namespace clockwnd
