#include "clockwnd/settings_folder.h"

#include "framework/text.h"

#include <windows.h>

#include <vector>

namespace clockwnd {
namespace {

// A path the system writes into a buffer, however long it is: a folder a
// user can make may be deeper than MAX_PATH.
template <class Fill>
std::string SystemPath(Fill fill)
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = fill(path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return Narrow(path.data(), static_cast<int>(length));
        path.resize(length + 1);
    }
}

} // namespace

std::string SettingsFolder(const std::string& startedOn)
{
    const std::wstring wide = Widen(startedOn);
    const DWORD attributes =
        startedOn.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        const std::string full = SystemPath([&](wchar_t* buffer, DWORD size) {
            return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
        });
        if (!full.empty())
            return full;
    }
    return SystemPath(
        [](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
}

} // namespace clockwnd
