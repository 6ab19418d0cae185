// MemoryStore: zentim.ini in memory, for the settings mapping's tests: the
// keys in the order they were first written, each with its section and its
// value as written. A read takes the blanks around a value and one pair of
// enclosing double quotes off, as the profile functions do.
#pragma once

#include "settings/store.h"

#include <set>
#include <string>
#include <vector>

class MemoryStore : public settings::Store {
public:
    MemoryStore() = default; // no file at all
    // A file of "[section]" and "key=value" lines.
    explicit MemoryStore(const std::string& file);

    bool Exists() const override { return m_exists; }
    std::optional<std::string> Read(const char* section, const char* key) const override;
    bool Write(const char* section, const char* key, const std::string& value) override;

    // The keys as such a file: a "[section]" line wherever the section
    // changes from the key before.
    std::string Text() const;

    // Keys whose writes fail; every write fails in a file that cannot be
    // written.
    std::set<std::string> m_failingKeys;
    bool m_readOnly = false;

private:
    struct Key {
        std::string section, key, value;
    };
    std::vector<Key> m_keys;
    bool m_exists = false;
};
