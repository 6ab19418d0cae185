// Text forms of the settings file, free of any platform API:
//   BuildIniDir / BuildIniPath - where zentim.ini lives, as the save's
//                                confirmation shows it; SettingsFilePath -
//                                the same as the file functions take it;
//   SplitString                - the splitter used on the saved rectangle;
//   ParseLeadingInt, ParseNumber - atoi that cannot overflow, and one that
//                                tells a number from no number;
//   ParseSizeText / FormatSizeText - the "left,right,top,bottom" value;
//   ParseColour / FormatColour - the "R,G,B" value;
//   Quoted                     - a string value as it is written.
#pragma once

#include "face/face_style.h"

#include <optional>
#include <string>
#include <vector>

namespace settings {

// The directory with every backslash doubled, then two more backslashes.
// The file functions read a run of backslashes as one separator, and the
// doubled form is what users have always seen in the save confirmation.
std::string BuildIniDir(const std::string& currentDir);
std::string BuildIniPath(const std::string& iniDir);
// zentim.ini in folder, by the plain path the file functions take.
std::string SettingsFilePath(const std::string& folder);

// Appends the pieces of text between occurrences of separator (which must
// not be empty) to pieces, empty pieces included; returns pieces.size().
int SplitString(std::vector<std::string>& pieces, const std::string& text,
                const std::string& separator);

// Leading blanks, an optional sign, decimal digits up to the first other
// character; 0 without digits. Values beyond 32 bits saturate.
int ParseLeadingInt(const std::string& text);
// The same, or nothing when no digit follows the blanks and the sign.
std::optional<int> ParseNumber(const std::string& text);

// A screen rectangle as the settings file orders it.
struct SizeRect {
    int left, right, top, bottom;
    bool operator==(const SizeRect& o) const
    {
        return left == o.left && right == o.right && top == o.top && bottom == o.bottom;
    }
};

// The rectangle when the text splits on "," into exactly four pieces.
std::optional<SizeRect> ParseSizeText(const std::string& text);
// "\"left,right,top,bottom\"", quotes included.
std::string FormatSizeText(const SizeRect& rect);

// "R,G,B" in decimal, each 0..255 with blanks around it allowed, or
// "#RRGGBB"; nothing for anything else.
std::optional<face::Rgb> ParseColour(const std::string& text);
// "\"R,G,B\"", quotes included.
std::string FormatColour(const face::Rgb& rgb);

std::string Quoted(const std::string& value);

} // namespace settings
