#include "settings/system_start.h"

#include "settings/start_command.h"

#include <windows.h>

namespace settings {
namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kValueName[] = "Zentim";

// An open registry key, closed with its owner.
class RunKey {
public:
    explicit RunKey(REGSAM access)
    {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, access, nullptr, &m_key,
                            nullptr) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    RunKey(const RunKey&) = delete;
    RunKey& operator=(const RunKey&) = delete;
    ~RunKey()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    operator HKEY() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

std::string ProgramPath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

} // namespace

bool IsStartedWithSystem()
{
    const RunKey key(KEY_QUERY_VALUE);
    char command[2048] = "";
    DWORD size = sizeof command - 1;
    DWORD type = 0;
    if (key == nullptr ||
        RegQueryValueExA(key, kValueName, nullptr, &type, reinterpret_cast<BYTE*>(command),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    return lstrcmpiA(FirstArgument(command).c_str(), ProgramPath().c_str()) == 0;
}

bool SetStartedWithSystem(bool start, const std::string& folder)
{
    const RunKey key(KEY_SET_VALUE);
    if (key == nullptr)
        return false;
    if (!start) {
        const LSTATUS status = RegDeleteValueA(key, kValueName);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    const std::string command = StartCommand(ProgramPath(), folder);
    return RegSetValueExA(key, kValueName, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(command.c_str()),
                          static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
}

} // namespace settings
