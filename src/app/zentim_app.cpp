#include "app/zentim_app.h"

#include "clockwnd/zentim_dlg.h"

#include <commctrl.h>

CZentimApp theApp;

BOOL CZentimApp::InitInstance()
{
    InitCommonControls();

    CZentimDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The clock has ended; there is nothing left to run.
    return FALSE;
}
