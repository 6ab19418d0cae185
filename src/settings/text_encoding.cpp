#include "settings/text_encoding.h"

namespace settings {
namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr char32_t kReplacement = 0xFFFD;

bool StartsWith(const std::string& bytes, const char* prefix, std::size_t size)
{
    return bytes.compare(0, size, prefix, size) == 0;
}

// The letter starting at bytes[at], and where the next begins; U+FFFD and
// one byte on for a sequence that is not UTF-8, overlong or a surrogate.
char32_t NextLetter(const std::string& bytes, std::size_t& at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = lead < 0x80                   ? 1
                 : lead >= 0xC2 && lead < 0xE0 ? 2
                 : (lead & 0xF0) == 0xE0       ? 3
                 : lead >= 0xF0 && lead < 0xF5 ? 4
                                               : 0;
    if (length == 0 || at + length > bytes.size()) {
        ++at;
        return kReplacement;
    }
    char32_t letter = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return kReplacement;
        }
        letter = letter << 6 | (byte(at + i) & 0x3F);
    }
    static const char32_t kLeast[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (letter < kLeast[length] || letter > 0x10FFFF || (letter >= 0xD800 && letter < 0xE000)) {
        ++at;
        return kReplacement;
    }
    at += length;
    return letter;
}

void AppendUtf8(std::string& out, char32_t letter)
{
    if (letter < 0x80) {
        out += static_cast<char>(letter);
    } else if (letter < 0x800) {
        out += static_cast<char>(0xC0 | letter >> 6);
        out += static_cast<char>(0x80 | (letter & 0x3F));
    } else if (letter < 0x10000) {
        out += static_cast<char>(0xE0 | letter >> 12);
        out += static_cast<char>(0x80 | (letter >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | letter >> 18);
        out += static_cast<char>(0x80 | (letter >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (letter >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    }
}

std::u16string Utf16FromBytes(const std::string& bytes, std::size_t start, bool bigEndian)
{
    std::u16string units;
    units.reserve((bytes.size() - start) / 2);
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    // An odd last byte is no code unit, and no letter.
    if ((bytes.size() - start) % 2 != 0)
        units += u'\xFFFD';
    return units;
}

std::string BytesFromUtf16(const std::u16string& units, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace

std::u16string Utf8ToUtf16(const std::string& utf8)
{
    std::u16string units;
    units.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t letter = NextLetter(utf8, at);
        if (letter < 0x10000) {
            units += static_cast<char16_t>(letter);
        } else {
            units += static_cast<char16_t>(0xD800 + ((letter - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((letter - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string Utf16ToUtf8(const std::u16string& utf16)
{
    std::string utf8;
    utf8.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000) {
            AppendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00));
        } else {
            AppendUtf8(utf8, unit >= 0xD800 && unit < 0xE000 ? kReplacement : unit);
        }
    }
    return utf8;
}

bool IsValidUtf8(const std::string& bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t start = at;
        if (NextLetter(bytes, at) == kReplacement && bytes.compare(start, 3, "\xEF\xBF\xBD") != 0)
            return false;
    }
    return true;
}

DecodedFile DecodeFile(const std::string& bytes, const CodePage& ansi)
{
    if (StartsWith(bytes, "\xFF\xFE", 2))
        return { Utf16ToUtf8(Utf16FromBytes(bytes, 2, false)), Encoding::Utf16Le };
    if (StartsWith(bytes, "\xFE\xFF", 2))
        return { Utf16ToUtf8(Utf16FromBytes(bytes, 2, true)), Encoding::Utf16Be };
    if (StartsWith(bytes, kUtf8Bom, 3))
        return { bytes.substr(3), Encoding::Utf8Bom };
    bool ascii = true;
    for (const char c : bytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!ascii && IsValidUtf8(bytes))
        return { bytes, Encoding::Utf8 };
    return { ansi.ToUtf8(bytes), Encoding::Ansi };
}

EncodedFile EncodeFile(const std::string& text, Encoding current, const CodePage& ansi)
{
    switch (current) {
    case Encoding::Ansi:
        // Not when the bytes would read as UTF-8 the next time: the text
        // would come back other than it went.
        if (const std::optional<std::string> bytes = ansi.FromUtf8(text)) {
            if (DecodeFile(*bytes, ansi).encoding == Encoding::Ansi)
                return { *bytes, Encoding::Ansi };
        }
        break;
    case Encoding::Utf8:
        return { text, Encoding::Utf8 };
    case Encoding::Utf8Bom:
        return { kUtf8Bom + text, Encoding::Utf8Bom };
    case Encoding::Utf16Be:
        return { BytesFromUtf16(Utf8ToUtf16(text), true), Encoding::Utf16Be };
    case Encoding::Utf16Le:
        break;
    }
    return { BytesFromUtf16(Utf8ToUtf16(text), false), Encoding::Utf16Le };
}

} // namespace settings
