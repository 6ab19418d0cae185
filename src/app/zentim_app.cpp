#include "app/zentim_app.h"

#include "clockwnd/clock_instance.h"
#include "clockwnd/settings_folder.h"
#include "clockwnd/zentim_dlg.h"
#include "framework/text.h"
#include "settings/start_command.h"

CZentimApp theApp;

BOOL CZentimApp::InitInstance()
{
    CZentimDlg dlg;
    // Started with the system, the clock is told which folder's settings it
    // reads; without that, the current folder's, as always.
    // The wide command line: WinMain's would have passed the folder's name
    // through the ANSI code page, which cannot hold most names.
    dlg.m_strSettingsFolder = clockwnd::SettingsFolder(
        settings::FirstArgument(settings::AfterProgramName(Narrow(GetCommandLineW()))));
    const clockwnd::ClockInstance instance(dlg.m_strSettingsFolder);
    if (!instance.First())
        return FALSE;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The clock has ended; there is nothing left to run.
    return FALSE;
}
