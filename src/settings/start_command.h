// The command line that starts the clock, free of any platform API:
//   StartCommand  - the command that runs the clock on the settings of a
//                   folder;
//   FirstArgument - the first argument of a command line;
//   AfterProgramName - a command line's arguments;
//   RunValueName  - the Run value of a clock's folder.
// Arguments are quoted when they hold blanks, with nothing escaped inside:
// neither a path nor a folder can hold a double quote.
#pragma once

#include <string>

namespace settings {

std::string StartCommand(const std::string& exePath, const std::string& folder);

// Without its quotes; "" when there is none.
std::string FirstArgument(const std::string& commandLine);

// A whole command line without the program's name that starts it: what
// follows the first quoted part or the first blank.
std::string AfterProgramName(const std::string& commandLine);

// The name of the Run value that starts a clock on folder: "Zentim" for
// the program's own folder, the value a single clock always had, and
// "Zentim (folder)" for any other, so that a second clock never takes the
// first one's.
std::string RunValueName(const std::string& folder, const std::string& programPath);

} // namespace settings
