// Latin1: a stand-in for a Western ANSI code page in the tests of the
// settings file - the first 256 letters, one byte each.
#pragma once

#include "settings/text_encoding.h"

class Latin1 : public settings::CodePage {
public:
    std::string ToUtf8(const std::string& bytes) const override
    {
        std::u16string units;
        for (const char c : bytes)
            units += static_cast<char16_t>(static_cast<unsigned char>(c));
        return settings::Utf16ToUtf8(units);
    }
    std::optional<std::string> FromUtf8(const std::string& text) const override
    {
        std::string bytes;
        for (const char16_t unit : settings::Utf8ToUtf16(text)) {
            if (unit > 0xFF)
                return std::nullopt;
            bytes += static_cast<char>(unit);
        }
        return bytes;
    }
};
