// The command line that starts the clock, free of any platform API:
//   StartCommand  - the command that runs the clock on the settings of a
//                   folder;
//   FirstArgument - the first argument of a command line.
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

} // namespace settings
