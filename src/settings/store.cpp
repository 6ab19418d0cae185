#include "settings/store.h"

#include "settings/settings_text.h"

namespace settings {

int Store::ReadNumber(const char* section, const char* key, int fallback) const
{
    const std::optional<std::string> text = Read(section, key);
    return text ? ParseLeadingInt(*text) : fallback;
}

} // namespace settings
