// CZentimDlg's alarms: the Alarms dialog from the menu, its list applied and
// kept in zentim.ini at once, each tick's check handed to the ringer, and
// the missed notice's icon.
#include "clockwnd/zentim_dlg.h"

#include "alarmsui/alarms_dlg.h"
#include "settings/ini_file.h"
#include "settings/settings_mapping.h"

void CZentimDlg::OnMenuAlarms()
{
    // The dialog edits a copy and hands it back; the clock keeps it ticking
    // meanwhile, as it does with the options.
    const std::vector<alarms::Alarm> opened = m_settings.m_alarms;
    CAlarmsDlg dlg(opened);
    const bool accepted = dlg.DoModal() == IDOK;
    // Wine makes only the dialog topmost while it is open.
    ApplyAlwaysOnTop();
    if (!accepted)
        return;
    settings::ClockSettings values = m_settings;
    // A once alarm that rang meanwhile stays spent.
    values.m_alarms = alarms::KeepSpentOff(dlg.Alarms(), opened, m_settings.m_alarms);
    ApplySettings(values);
    SaveAlarms();
}

void CZentimDlg::SaveAlarms()
{
    // As SaveOptions writes: never over a file that has not been read yet,
    // and with what others wrote into it since. Only the alarms' section
    // changes.
    bool written = false;
    if (m_loadAttempts.MaySave()) {
        settings::IniFileRead file = settings::ReadIniFile(IniFile());
        if (file.state != settings::FileState::Unreadable) {
            settings::SaveAlarms(file.document, m_settings.m_alarms);
            written = settings::WriteIniFile(IniFile(), file.document, file.encoding);
        }
    }
    if (!written)
        m_showMessageBox(m_hWnd, settings::SaveAlarmsFailureMessage(), "Save",
                         MB_OK | MB_ICONERROR);
}

void CZentimDlg::CheckAlarms(const timekeeping::ClockTime& time)
{
    if (!m_ringer.Tick(m_hWnd, time.seconds, m_settings.m_nKukuFlashCount))
        return;
    // A once alarm rang and is spent: off in the settings and in the file.
    m_settings.m_alarms = m_ringer.Alarms();
    SaveAlarms();
}

LRESULT CZentimDlg::OnAlarmNotice(WPARAM, LPARAM lParam)
{
    m_ringer.OnNoticeIcon(lParam);
    return 0;
}
