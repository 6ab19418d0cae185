// zentim.ini on the disk: read whole into an IniDocument, told apart as
// read, missing or unreadable, and written back whole in an encoding that
// holds it (text_encoding.h). The wide file functions take the path, so
// any folder a user can make will do.
#pragma once

#include "settings/ini_document.h"
#include "settings/load_attempts.h"
#include "settings/text_encoding.h"

#include <string>

namespace settings {

struct IniFileRead {
    FileState state;
    // Why the file could not be read, in the system's words.
    std::string reason;
    IniDocument document;
    Encoding encoding;
};

// Shared with any other reader or writer, as the profile functions open it.
IniFileRead ReadIniFile(const std::string& path);

// The document in `encoding` when that holds it, else in UTF-16 LE; false
// when the file could not be written.
bool WriteIniFile(const std::string& path, const IniDocument& document, Encoding encoding);

// The system's ANSI code page.
const CodePage& AnsiCodePage();

} // namespace settings
