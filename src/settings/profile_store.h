// ProfileStore: the settings store over the system's profile (INI)
// functions, on one file.
#pragma once

#include "settings/store.h"

namespace settings {

class ProfileStore : public Store {
public:
    explicit ProfileStore(std::string path) : m_path(std::move(path)) {}

    bool Exists() const override;
    // Values longer than 2047 characters come back cut there.
    std::optional<std::string> Read(const char* section, const char* key) const override;
    bool Write(const char* section, const char* key, const std::string& value) override;

private:
    std::string m_path;
};

} // namespace settings
