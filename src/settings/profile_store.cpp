#include "settings/profile_store.h"

#include <windows.h>

namespace settings {
namespace {

// GetPrivateProfileString cannot tell an absent key from its default, so
// ask with a default that no saved value holds.
constexpr char kAbsentMarker[] = "\x01zentim-absent\x01";
constexpr DWORD kReadBufferSize = 2048;

} // namespace

bool ProfileStore::Exists() const
{
    return GetFileAttributesA(m_path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> ProfileStore::Read(const char* section, const char* key) const
{
    char buffer[kReadBufferSize];
    GetPrivateProfileStringA(section, key, kAbsentMarker, buffer, kReadBufferSize, m_path.c_str());
    if (std::string(buffer) == kAbsentMarker)
        return std::nullopt;
    return std::string(buffer);
}

bool ProfileStore::Write(const char* section, const char* key, const std::string& value)
{
    return WritePrivateProfileStringA(section, key, value.c_str(), m_path.c_str()) != FALSE;
}

} // namespace settings
