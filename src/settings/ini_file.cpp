#include "settings/ini_file.h"

#include "framework/handle.h"
#include "framework/text.h"

#include <windows.h>

namespace settings {
namespace {

std::string SystemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = length > 0 ? Narrow(text, static_cast<int>(length)) : std::string();
    LocalFree(text);
    // One line in the load's box.
    message.erase(message.find_last_not_of("\r\n .") + 1);
    for (char& c : message)
        c = c == '\r' || c == '\n' ? ' ' : c;
    return message.empty() ? "error " + std::to_string(error) : message;
}

class AnsiCodePageOfSystem : public CodePage {
public:
    std::string ToUtf8(const std::string& bytes) const override
    {
        if (bytes.empty())
            return std::string();
        const int size = static_cast<int>(bytes.size());
        std::wstring wide(
            static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)),
            L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, &wide[0], static_cast<int>(wide.size()));
        return Narrow(wide);
    }

    std::optional<std::string> FromUtf8(const std::string& text) const override
    {
        // A system whose ANSI code page is UTF-8 holds every letter, and
        // takes no question about a default character.
        if (GetACP() == CP_UTF8 || text.empty())
            return text;
        const std::wstring wide = Widen(text);
        const int length = static_cast<int>(wide.size());
        BOOL lost = FALSE;
        const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                             nullptr, 0, nullptr, &lost);
        std::string bytes(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, &bytes[0], size,
                            nullptr, &lost);
        if (lost || size == 0)
            return std::nullopt;
        return bytes;
    }
};

} // namespace

const CodePage& AnsiCodePage()
{
    static const AnsiCodePageOfSystem codePage;
    return codePage;
}

IniFileRead ReadIniFile(const std::string& path)
{
    IniFileRead read{ FileState::Read, std::string(), IniDocument(), Encoding::Ansi };
    const CHandle file(CreateFileAt(
        path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING));
    std::string bytes;
    DWORD error = ERROR_SUCCESS;
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file, &size)) {
        error = GetLastError();
    } else if (size.QuadPart > 0x1000000) {
        // No settings file is that large; reading it would only stall the clock.
        error = ERROR_FILE_TOO_LARGE;
    } else {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (!bytes.empty() &&
            !ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr))
            error = GetLastError();
        else
            bytes.resize(got);
    }
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        read.state = FileState::Missing;
    } else if (error != ERROR_SUCCESS) {
        read.state = FileState::Unreadable;
        read.reason = SystemMessage(error);
    } else {
        DecodedFile decoded = DecodeFile(bytes, AnsiCodePage());
        read.document = IniDocument(decoded.text);
        read.encoding = decoded.encoding;
    }
    return read;
}

bool WriteIniFile(const std::string& path, const IniDocument& document, Encoding encoding)
{
    const EncodedFile encoded = EncodeFile(document.Text(), encoding, AnsiCodePage());
    const CHandle file(CreateFileAt(path, GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS));
    DWORD written = 0;
    // Over the old text in one write, then cut to the new one's length:
    // the file keeps its identity, its rights and its links, as the profile
    // functions keep them.
    return file.Valid() &&
           WriteFile(file, encoded.bytes.data(), static_cast<DWORD>(encoded.bytes.size()), &written,
                     nullptr) &&
           written == encoded.bytes.size() && SetEndOfFile(file);
}

} // namespace settings
