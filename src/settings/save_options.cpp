// CZentimDlg::SaveOptions: the window rectangle and the settings into
// zentim.ini.
#include "clockwnd/zentim_dlg.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"

namespace {

struct WriteStep {
    const char* section;
    const char* key;
    std::string value;
    const char* messageIfFailed;
};

} // namespace

void CZentimDlg::SaveOptions()
{
    // Creating the file first keeps the sections in their usual order; a
    // failure here shows up as failed writes below.
    if (GetFileAttributesA(m_strIniPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const HANDLE file = CreateFileA(m_strIniPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }

    GetWindowRect(&m_rcWindow);
    // Minimised into the notification area the window lies off screen;
    // the rectangle worth keeping is the one it is restored to. A tool
    // window's placement is in screen coordinates.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT normal = m_rcWindow;
    if (GetWindowPlacement(m_hWnd, &placement))
        normal = placement.rcNormalPosition;

    const WriteStep steps[] = {
        { settings::kMainWindowSection, settings::kSizeKey,
          settings::FormatSizeText({ normal.left, normal.right, normal.top, normal.bottom }),
          "Can`t write MainWindow size!" },
        { settings::kOptionsSection, settings::kKukuTypeKey, std::to_string(m_nKukuType),
          "Can`t write Kuku_type!" },
        { settings::kOptionsSection, settings::kKukuSoundKey, settings::Quoted(m_strKukuSound),
          "Can`t write Kuku_sound file!" },
        { settings::kOptionsSection, settings::kKukuFlashCountKey, std::to_string(m_nKukuFlashCount),
          "Can`t write Kuku_flash_count!" },
        { settings::kOptionsSection, settings::kUpStrKey, settings::Quoted(m_strUpStr),
          "Can`t write UpString text!" },
        { settings::kOptionsSection, settings::kDownStrKey, settings::Quoted(m_strDownStr),
          "Can`t write BottomString text!" },
        { settings::kOptionsSection, settings::kDigitalPanelKey, std::to_string(m_nDigitalPanel),
          "Can`t write DigitalPanel!" },
    };
    std::string messages;
    for (const WriteStep& step : steps) {
        if (!WritePrivateProfileStringA(step.section, step.key, step.value.c_str(), m_strIniPath.c_str())) {
            messages += step.messageIfFailed;
            messages += '\n';
        }
    }

    if (messages.empty()) {
        const std::string text = "Preved! Options save into " + m_strIniPath + " success.";
        MessageBox(text.c_str(), "Save", MB_OK | MB_ICONINFORMATION);
    } else {
        MessageBox(messages.c_str(), "Save", MB_OK | MB_ICONERROR);
    }
}
