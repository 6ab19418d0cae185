// The encodings zentim.ini may be kept in, free of any platform API:
//   Encoding     - the forms a file is read in and written back in;
//   CodePage     - the system's ANSI code page, which the platform supplies;
//   DecodeFile   - a file's bytes as UTF-8 text, and the form they were in;
//   EncodeFile   - text as a file's bytes, keeping the file's form when it
//                  holds every letter of the text.
// A file that the ANSI code page holds stays in it byte for byte, as the
// system's profile functions always wrote it; one whose texts need more is
// kept as UTF-16 LE with a byte-order mark, which every Windows' profile
// functions read and write too.
#pragma once

#include <optional>
#include <string>

namespace settings {

enum class Encoding { Ansi, Utf8, Utf8Bom, Utf16Le, Utf16Be };

class CodePage {
public:
    virtual ~CodePage() = default;
    // Every byte string has a reading in the code page.
    virtual std::string ToUtf8(const std::string& bytes) const = 0;
    // Nothing when a letter of the text has no form in the code page.
    virtual std::optional<std::string> FromUtf8(const std::string& text) const = 0;
};

struct DecodedFile {
    std::string text;
    Encoding encoding;
};

// By its byte-order mark; without one, UTF-8 when the bytes are valid UTF-8
// with at least one letter beyond ASCII (as Notepad writes today), else the
// ANSI code page.
DecodedFile DecodeFile(const std::string& bytes, const CodePage& ansi);

struct EncodedFile {
    std::string bytes;
    Encoding encoding;
};

// In `current` when it holds every letter of the text (and, for the ANSI
// code page, the bytes would not read as UTF-8), else in UTF-16 LE with its
// byte-order mark.
EncodedFile EncodeFile(const std::string& text, Encoding current, const CodePage& ansi);

// UTF-8 and UTF-16 code units; sequences that are no letter become U+FFFD.
std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& utf16);
bool IsValidUtf8(const std::string& bytes);

} // namespace settings
