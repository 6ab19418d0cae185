#include "settings/settings_text.h"

#include <climits>

namespace settings {

std::string BuildIniDir(const std::string& currentDir)
{
    std::string dir;
    dir.reserve(currentDir.size() * 2 + 2);
    for (char c : currentDir) {
        if (c == '\\')
            dir += "\\\\";
        else
            dir += c;
    }
    dir += "\\\\";
    return dir;
}

std::string BuildIniPath(const std::string& iniDir) { return iniDir + "zentim.ini"; }

std::string SettingsFilePath(const std::string& folder)
{
    // A drive root comes with its backslash.
    const bool separated = !folder.empty() && folder.back() == '\\';
    return folder + (separated ? "" : "\\") + "zentim.ini";
}

int SplitString(std::vector<std::string>& pieces, const std::string& text,
                const std::string& separator)
{
    std::string::size_type start = 0;
    for (std::string::size_type at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
        if (start == text.size())
            break;
    }
    // Also the empty piece after a trailing separator, and the only piece of
    // an empty text.
    pieces.push_back(text.substr(start));
    return static_cast<int>(pieces.size());
}

int ParseLeadingInt(const std::string& text)
{
    std::string::size_type i = 0;
    // The C library's isspace set in the "C" locale.
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::optional<int> ParseNumber(const std::string& text)
{
    auto at = text.find_first_not_of(" \t\n\v\f\r");
    if (at != std::string::npos && (text[at] == '+' || text[at] == '-'))
        ++at;
    if (at >= text.size() || text[at] < '0' || text[at] > '9')
        return std::nullopt;
    return ParseLeadingInt(text);
}

std::optional<SizeRect> ParseSizeText(const std::string& text)
{
    std::vector<std::string> pieces;
    if (SplitString(pieces, text, ",") != 4)
        return std::nullopt;
    return SizeRect{ ParseLeadingInt(pieces[0]), ParseLeadingInt(pieces[1]),
                     ParseLeadingInt(pieces[2]), ParseLeadingInt(pieces[3]) };
}

std::string FormatSizeText(const SizeRect& rect)
{
    return Quoted(std::to_string(rect.left) + "," + std::to_string(rect.right) + "," +
                  std::to_string(rect.top) + "," + std::to_string(rect.bottom));
}

std::optional<face::Rgb> ParseColour(const std::string& text)
{
    const auto hex = [&](size_t at) { return std::stoi(text.substr(at, 2), nullptr, 16); };
    if (text.size() == 7 && text[0] == '#' &&
        text.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos)
        return face::Rgb{ hex(1), hex(3), hex(5) };
    std::vector<std::string> pieces;
    if (SplitString(pieces, text, ",") != 3)
        return std::nullopt;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const auto first = pieces[i].find_first_not_of(" \t");
        const auto last = pieces[i].find_last_not_of(" \t");
        if (first == std::string::npos || last - first >= 3 ||
            pieces[i].substr(first, last - first + 1).find_first_not_of("0123456789") !=
                std::string::npos)
            return std::nullopt;
        channels[i] = std::stoi(pieces[i].substr(first, last - first + 1));
        if (channels[i] > 255)
            return std::nullopt;
    }
    return face::Rgb{ channels[0], channels[1], channels[2] };
}

std::string FormatColour(const face::Rgb& rgb)
{
    return Quoted(std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
                  std::to_string(rgb.blue));
}

std::string Quoted(const std::string& value) { return "\"" + value + "\""; }

} // namespace settings
