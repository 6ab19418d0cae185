// MemoryStore: zentim.ini in memory, for the settings mapping's tests. It
// reads and writes as the profile functions do: a value comes back without
// the blanks around it and one pair of enclosing double quotes; a write
// replaces a key where it stands, or adds it at the end of its section, or
// the section at the end of the file.
#pragma once

#include "settings/store.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

class MemoryStore : public settings::Store {
public:
    MemoryStore() = default; // no file at all
    explicit MemoryStore(const std::string& file);

    bool Exists() const override { return m_exists; }
    std::optional<std::string> Read(const char* section, const char* key) const override;
    bool Write(const char* section, const char* key, const std::string& value) override;

    // The file as it stands, each line ending "\n".
    std::string File() const;

    // Keys whose writes fail, as in a file that cannot be written.
    std::set<std::string> m_failingKeys;

private:
    std::string* Find(const char* section, const char* key);

    bool m_exists = false;
    // The lines of each section in order; "" holds those before the first.
    std::vector<std::pair<std::string, std::vector<std::string>>> m_sections{ { "", {} } };
};
