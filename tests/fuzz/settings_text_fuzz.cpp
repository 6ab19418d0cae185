// libFuzzer target over the settings text forms. Whatever bytes a settings
// file holds, the splitter, the number parse, the size text and the path
// rule must neither crash nor overflow, and must agree with plain reference
// forms of what they promise. A broken promise aborts, which libFuzzer
// reports with the input that did it.
#include "settings/settings_text.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

void Check(bool holds, const char* promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

// Leftmost non-overlapping occurrences, by a plain scan.
int CountOccurrences(const std::string& text, const std::string& separator)
{
    int count = 0;
    for (std::string::size_type i = 0; i + separator.size() <= text.size();) {
        if (text.compare(i, separator.size(), separator) == 0) {
            ++count;
            i += separator.size();
        } else {
            ++i;
        }
    }
    return count;
}

void CheckSplit(const std::string& text, const std::string& separator)
{
    std::vector<std::string> pieces{ "held before" };
    const int count = settings::SplitString(pieces, text, separator);
    Check(count == static_cast<int>(pieces.size()), "SplitString returns the array's size");
    Check(pieces.front() == "held before", "SplitString keeps what the array held");
    Check(count == 1 + CountOccurrences(text, separator) + 1, "n separators give n + 1 pieces");
    std::string joined;
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        Check(pieces[i].find(separator) == std::string::npos, "no piece holds the separator");
        if (i > 1)
            joined += separator;
        joined += pieces[i];
    }
    Check(joined == text, "the pieces joined by the separator give the text back");
}

// The C library's atoi, without its undefined behaviour past 32 bits:
// strtoll saturates at 64 bits, and that is clamped to 32. Both stop at a
// NUL, the one at the end of c_str() included.
int ReferenceLeadingInt(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

void CheckSizeText(const std::string& text)
{
    const std::optional<settings::SizeRect> rect = settings::ParseSizeText(text);
    Check(rect.has_value() == (CountOccurrences(text, ",") == 3),
          "a size text gives a rectangle exactly when it has three commas");
    if (!rect)
        return;
    const std::string::size_type a = text.find(','), b = text.find(',', a + 1),
                                 c = text.find(',', b + 1);
    const settings::SizeRect expected{ ReferenceLeadingInt(text.substr(0, a)),
                                       ReferenceLeadingInt(text.substr(a + 1, b - a - 1)),
                                       ReferenceLeadingInt(text.substr(b + 1, c - b - 1)),
                                       ReferenceLeadingInt(text.substr(c + 1)) };
    Check(*rect == expected, "each edge of a size text is its piece's leading number");
}

void CheckSizeRoundTrip(const settings::SizeRect& rect)
{
    const std::string text = settings::FormatSizeText(rect);
    char expected[64];
    std::snprintf(expected, sizeof expected, "\"%d,%d,%d,%d\"", rect.left, rect.right, rect.top,
                  rect.bottom);
    Check(text == expected, "a rectangle is written as quoted plain decimals");
    // The INI reader takes the quotes off before the text is parsed.
    const std::optional<settings::SizeRect> back =
        settings::ParseSizeText(text.substr(1, text.size() - 2));
    Check(back && *back == rect, "a written rectangle reads back the same");
}

void CheckIniDir(const std::string& currentDir)
{
    const std::string dir = settings::BuildIniDir(currentDir);
    std::string undoubled;
    for (std::string::size_type i = 0; i < dir.size(); ++i) {
        if (dir[i] == '\\') {
            Check(i + 1 < dir.size() && dir[i + 1] == '\\', "every backslash is doubled");
            ++i;
        }
        undoubled += dir[i];
    }
    Check(undoubled == currentDir + "\\", "the directory comes back from its doubled form");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    Check(settings::ParseLeadingInt(text) == ReferenceLeadingInt(text),
          "ParseLeadingInt agrees with a saturating atoi");
    CheckSizeText(text);
    CheckSplit(text, ",");
    CheckIniDir(text);

    // The first byte picks a separator of one to four of the bytes after
    // it; the rest is split on it.
    if (size >= 1) {
        const std::size_t length = 1 + data[0] % 4;
        if (size >= 1 + length)
            CheckSplit(text.substr(1 + length), text.substr(1, length));
    }

    if (size >= 4 * sizeof(std::int32_t)) {
        std::int32_t edges[4];
        std::memcpy(edges, data, sizeof edges);
        CheckSizeRoundTrip({ edges[0], edges[1], edges[2], edges[3] });
    }
    return 0;
}
