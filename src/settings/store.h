// Store: the narrow way from the settings to a file. The mapping reads and
// writes only through it, so that the same rules run over the settings
// file in the program and over a document in memory in the tests.
#pragma once

#include <optional>
#include <string>

namespace settings {

class Store {
public:
    virtual ~Store() = default;

    // The key's value as the profile functions give it (the blanks around
    // it and one pair of enclosing quotes taken off), or nothing when the
    // section or the key is absent.
    virtual std::optional<std::string> Read(const char* section, const char* key) const = 0;
    // Stores the value as it stands, quotes included.
    virtual void Write(const char* section, const char* key, const std::string& value) = 0;
    // Takes the key away, so that what was deleted does not come back.
    virtual void Remove(const char* section, const char* key) = 0;

    // The number the value starts with (as atoi reads it, saturating at 32
    // bits), or fallback when the key is absent.
    int ReadNumber(const char* section, const char* key, int fallback) const;
};

} // namespace settings
