// CZentimDlg::LoadOptions and SaveOptions: zentim.ini applied to the window
// and written from it, with the message box that reports on it.
#include "clockwnd/zentim_dlg.h"

#include "settings/ini_file.h"
#include "settings/settings_mapping.h"
#include "settings/settings_text.h"

std::string CZentimDlg::IniFile() const { return settings::SettingsFilePath(m_strSettingsFolder); }

void CZentimDlg::LoadOptions()
{
    m_loadAttempts.Begin();
    AttemptLoad();
}

void CZentimDlg::AttemptLoad()
{
    KillTimer(m_hWnd, kLoadRetryTimer);
    const settings::IniFileRead file = settings::ReadIniFile(IniFile());
    const settings::LoadAttempts::Next next = m_loadAttempts.After(file.state, GetTickCount64());
    if (next.retryInMs)
        SetTimer(m_hWnd, kLoadRetryTimer, static_cast<UINT>(*next.retryInMs), nullptr);
    std::string messages;
    if (file.state == settings::FileState::Read) {
        const settings::Loaded loaded = settings::Load(file.document);
        if (loaded.window)
            m_placement.MoveToSaved(m_hWnd, *loaded.window);
        ApplySettings(loaded.values);
        messages = loaded.messages;
        if (m_zoneClock.Zone() != loaded.values.m_strTimeZone)
            messages += "Can`t find time zone \"" + loaded.values.m_strTimeZone +
                        "\"! The clock shows local time.\n";
    } else if (next.report) {
        messages = "Can`t read " + m_strIniPath + ": " + file.reason + "\n";
    }
    if (!messages.empty())
        m_showMessageBox(m_hWnd, messages, "Load Options", MB_OK | MB_ICONERROR);
}

void CZentimDlg::SaveOptions()
{
    // The file was there but has not been read since the clock started:
    // what the clock shows is not the user's, and would replace it all.
    if (!m_loadAttempts.MaySave()) {
        m_showMessageBox(m_hWnd,
                         "Can`t save: " + m_strIniPath +
                             " could not be read yet, and saving would replace its settings.",
                         "Save", MB_OK | MB_ICONERROR);
        return;
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

    // Read again just before: what others wrote into it since stays, and a
    // file that cannot be read is not written over.
    settings::IniFileRead file = settings::ReadIniFile(IniFile());
    bool written = false;
    if (file.state != settings::FileState::Unreadable) {
        settings::Save(file.document, m_settings,
                       { normal.left, normal.top, normal.right, normal.bottom });
        written = settings::WriteIniFile(IniFile(), file.document, file.encoding);
    }
    if (written)
        m_showMessageBox(m_hWnd, settings::SaveConfirmation(m_strIniPath), "Save",
                         MB_OK | MB_ICONINFORMATION);
    else
        m_showMessageBox(m_hWnd, settings::SaveFailureMessages(), "Save", MB_OK | MB_ICONERROR);
}
