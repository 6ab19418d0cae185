#include "settings/start_command.h"

namespace settings {

std::string StartCommand(const std::string& exePath, const std::string& folder)
{
    return "\"" + exePath + "\" \"" + folder + "\"";
}

std::string FirstArgument(const std::string& commandLine)
{
    const auto start = commandLine.find_first_not_of(" \t");
    if (start == std::string::npos)
        return "";
    if (commandLine[start] == '"') {
        const auto end = commandLine.find('"', start + 1);
        return commandLine.substr(start + 1, end == std::string::npos ? end : end - start - 1);
    }
    const auto end = commandLine.find_first_of(" \t", start);
    return commandLine.substr(start, end == std::string::npos ? end : end - start);
}

std::string AfterProgramName(const std::string& commandLine)
{
    // The program's name is read as the system reads it: up to the closing
    // quote when it starts with one, else up to the first blank.
    if (commandLine.empty())
        return "";
    std::string::size_type end =
        commandLine[0] == '"' ? commandLine.find('"', 1) : commandLine.find_first_of(" \t");
    if (end == std::string::npos)
        return "";
    end = commandLine.find_first_not_of(" \t", end + 1);
    return end == std::string::npos ? "" : commandLine.substr(end);
}

std::string RunValueName(const std::string& folder, const std::string& programPath)
{
    // Folders are named without regard to letter case, with or without a
    // last backslash.
    const auto plain = [](std::string path) {
        path.erase(path.find_last_not_of('\\') + 1);
        for (char& c : path)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        return path;
    };
    const std::string programFolder = programPath.substr(0, programPath.find_last_of('\\') + 1);
    if (plain(folder) == plain(programFolder))
        return "Zentim";
    return "Zentim (" + folder + ")";
}

} // namespace settings
