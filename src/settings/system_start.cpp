#include "settings/system_start.h"

#include "framework/registry.h"
#include "framework/text.h"
#include "settings/start_command.h"

#include <windows.h>

#include <vector>

namespace settings {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

CRegKey RunKey(REGSAM access) { return CRegKey::Create(HKEY_CURRENT_USER, kRunKey, access); }

std::string ProgramPath()
{
    // A folder a user can make may be deeper than MAX_PATH allows.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return Narrow(path.data(), static_cast<int>(length));
        path.resize(path.size() * 2);
    }
}

} // namespace

bool IsStartedWithSystem(const std::string& folder)
{
    const CRegKey key = RunKey(KEY_QUERY_VALUE);
    const std::wstring name = Widen(RunValueName(folder, ProgramPath()));
    wchar_t command[4096] = L"";
    DWORD size = sizeof command - sizeof(wchar_t);
    DWORD type = 0;
    if (key == nullptr ||
        RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(command),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    return lstrcmpiW(Widen(FirstArgument(Narrow(command))).c_str(), Widen(ProgramPath()).c_str()) ==
           0;
}

bool SetStartedWithSystem(bool start, const std::string& folder)
{
    const CRegKey key = RunKey(KEY_SET_VALUE);
    if (key == nullptr)
        return false;
    const std::wstring name = Widen(RunValueName(folder, ProgramPath()));
    if (!start) {
        const LSTATUS status = RegDeleteValueW(key, name.c_str());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    const std::wstring command = Widen(StartCommand(ProgramPath(), folder));
    return RegSetValueExW(
               key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
               static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

} // namespace settings
