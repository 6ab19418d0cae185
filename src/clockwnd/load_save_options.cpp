// CZentimDlg::LoadOptions and SaveOptions: zentim.ini applied to the window
// and written from it, with the message box that reports on it.
#include "clockwnd/zentim_dlg.h"

#include "settings/profile_store.h"
#include "settings/settings_mapping.h"

void CZentimDlg::LoadOptions()
{
    const std::optional<settings::Loaded> loaded =
        settings::Load(settings::ProfileStore(m_strIniPath));
    if (!loaded)
        return;
    if (loaded->window)
        MoveToSavedRect(*loaded->window);
    m_settings = loaded->values;
    ApplyAlwaysOnTop();
    if (!loaded->messages.empty())
        m_showMessageBox(m_hWnd, loaded->messages.c_str(), "Load Options", MB_OK | MB_ICONERROR);
}

void CZentimDlg::MoveToSavedRect(const settings::ScreenRect& saved)
{
    settings::ScreenRect rect = saved;
    // Saved on a monitor that is gone: bring it onto the nearest one.
    RECT candidate{ static_cast<LONG>(rect.left), static_cast<LONG>(rect.top),
                    static_cast<LONG>(rect.right), static_cast<LONG>(rect.bottom) };
    if (MonitorFromRect(&candidate, MONITOR_DEFAULTTONULL) == nullptr) {
        MONITORINFO info{ sizeof info, {}, {}, 0 };
        GetMonitorInfoA(MonitorFromRect(&candidate, MONITOR_DEFAULTTONEAREST), &info);
        rect = settings::MoveInside(
            rect, { info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom });
    }
    // A rectangle from the file is applied as saved, whatever the scale of
    // the monitor it lands on: the size would grow at every start.
    m_bPlacingSavedRect = true;
    MoveWindow(static_cast<int>(rect.left), static_cast<int>(rect.top),
               static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top),
               TRUE);
    m_bPlacingSavedRect = false;
}

void CZentimDlg::SaveOptions()
{
    GetWindowRect(&m_rcWindow);
    // Minimised into the notification area the window lies off screen;
    // the rectangle worth keeping is the one it is restored to. A tool
    // window's placement is in screen coordinates.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT normal = m_rcWindow;
    if (GetWindowPlacement(m_hWnd, &placement))
        normal = placement.rcNormalPosition;

    settings::ProfileStore store(m_strIniPath);
    const std::string failures =
        settings::Save(store, m_settings, { normal.left, normal.top, normal.right, normal.bottom });
    if (failures.empty())
        m_showMessageBox(m_hWnd, settings::SaveConfirmation(m_strIniPath).c_str(), "Save",
                         MB_OK | MB_ICONINFORMATION);
    else
        m_showMessageBox(m_hWnd, failures.c_str(), "Save", MB_OK | MB_ICONERROR);
}
