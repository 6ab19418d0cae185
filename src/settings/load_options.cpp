// CZentimDlg::LoadOptions: zentim.ini into the settings and the window.
#include "clockwnd/zentim_dlg.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"
#include "settings/window_placement.h"

#include <optional>

namespace {

// GetPrivateProfileString cannot tell an absent key from its default, so
// ask with a default that no saved value holds.
constexpr char kAbsentMarker[] = "\x01zentim-absent\x01";
constexpr DWORD kReadBufferSize = 2048;

std::optional<std::string> ReadText(const std::string& path, const char* section, const char* key)
{
    char buffer[kReadBufferSize];
    GetPrivateProfileStringA(section, key, kAbsentMarker, buffer, kReadBufferSize, path.c_str());
    if (std::string(buffer) == kAbsentMarker)
        return std::nullopt;
    return std::string(buffer);
}

// Not GetPrivateProfileInt: it takes numbers beyond 32 bits modulo 2^32,
// so that digital_panel=4294967297 would turn the panel on. These saturate,
// as the saved rectangle's numbers do.
int ReadInt(const std::string& path, const char* section, const char* key)
{
    const std::optional<std::string> text = ReadText(path, section, key);
    return text ? settings::ParseLeadingInt(*text) : 0;
}

// Empty values that are present are valid settings (saving writes empty
// texts as ""); only an absent key is worth a message.
std::string ReadSettingText(const std::string& path, const char* key, const char* messageIfAbsent,
                            std::string& messages)
{
    std::optional<std::string> text = ReadText(path, settings::kOptionsSection, key);
    if (!text) {
        messages += messageIfAbsent;
        messages += '\n';
        return std::string();
    }
    return *text;
}

} // namespace

void CZentimDlg::LoadOptions()
{
    if (GetFileAttributesA(m_strIniPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    const std::string& path = m_strIniPath;
    std::string messages;

    const std::optional<std::string> size = ReadText(path, settings::kMainWindowSection, settings::kSizeKey);
    if (size && size->empty())
        messages += "Can`t load MainWindow size!\n";
    if (size)
        ApplySavedRect(*size);

    m_nKukuType = ReadInt(path, settings::kOptionsSection, settings::kKukuTypeKey);
    m_strKukuSound = ReadSettingText(path, settings::kKukuSoundKey, "Can`t load KukuSound file!", messages);
    m_nKukuFlashCount = ReadInt(path, settings::kOptionsSection, settings::kKukuFlashCountKey);
    m_strUpStr = ReadSettingText(path, settings::kUpStrKey, "Can`t load UpString text!", messages);
    m_strDownStr = ReadSettingText(path, settings::kDownStrKey, "Can`t load BottomString text!", messages);
    m_nDigitalPanel = ReadInt(path, settings::kOptionsSection, settings::kDigitalPanelKey);

    if (!messages.empty())
        MessageBox(messages.c_str(), "Load Options", MB_OK | MB_ICONERROR);
}

void CZentimDlg::ApplySavedRect(const std::string& sizeText)
{
    const std::optional<settings::SizeRect> saved = settings::ParseSizeText(sizeText);
    if (!saved)
        return;
    settings::ScreenRect rect{ saved->left, saved->top, saved->right, saved->bottom };
    // Too small to see or to grab: keep the window where it is.
    if (!settings::IsUsableWindowRect(rect))
        return;
    // Saved on a monitor that is gone: bring it onto the nearest one.
    RECT candidate{ static_cast<LONG>(rect.left), static_cast<LONG>(rect.top),
                    static_cast<LONG>(rect.right), static_cast<LONG>(rect.bottom) };
    if (MonitorFromRect(&candidate, MONITOR_DEFAULTTONULL) == nullptr) {
        MONITORINFO info{ sizeof info, {}, {}, 0 };
        GetMonitorInfoA(MonitorFromRect(&candidate, MONITOR_DEFAULTTONEAREST), &info);
        rect = settings::MoveInside(rect, { info.rcWork.left, info.rcWork.top, info.rcWork.right,
                                            info.rcWork.bottom });
    }
    MoveWindow(static_cast<int>(rect.left), static_cast<int>(rect.top),
               static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top), TRUE);
}
