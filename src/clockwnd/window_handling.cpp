// CZentimDlg's handling by the user: drag, double-click, popup menu, keys,
// the notification-area icon, and the window rectangle kept in step.
#include "clockwnd/zentim_dlg.h"

#include "clockwnd/window_geometry.h"
#include "framework/late_bound.h"
#include "framework/winapp.h"
#include "res/resource.h"

#include <shellapi.h>

namespace {
CLateBound<decltype(&Shell_NotifyIconA)> g_shellNotifyIcon("shell32.dll", "Shell_NotifyIconA");

// The window has no caption, so the whole face stands in for one.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;
// The tip field of the first-version record, the one this program sends.
constexpr int kTipSize = 64;

NOTIFYICONDATAA TrayIconRecord(HWND hWnd)
{
    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = 0;
    return nid;
}
} // namespace

void CZentimDlg::OnLButtonDown(UINT, POINT)
{
    // Returns when the button is released; the window follows the mouse
    // meanwhile.
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_SYSCOMMAND, kMoveByCaption, 0);
    Default();
}

void CZentimDlg::OnLButtonUp(UINT, POINT) { Default(); }

void CZentimDlg::OnLButtonDblClk(UINT, POINT)
{
    ShowWindow(SW_MINIMIZE);
    Default();
}

void CZentimDlg::OnRButtonDown(UINT, POINT)
{
    // At the pointer as it is now; the press may have been queued a while.
    POINT cursor;
    GetCursorPos(&cursor);
    // The chime maximises for a moment; the user is never offered it.
    m_menuPopup.EnableMenuItem(ID_MENU_MAXIMIZE, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    TrackPopupMenu(m_menuPopup.GetSubMenu(0), 0, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    Default();
}

// Hidden in the notification area, the clock comes back by its icon only:
// under Wine the default processing of the double-click that hid it asks
// for a restore of the minimised window.
void CZentimDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == SC_RESTORE && m_bTrayIconAdded)
        return;
    Default();
}

// Mapped like every change of the window, though a move needs nothing of the clock.
void CZentimDlg::OnMove(int, int) { Default(); }

void CZentimDlg::OnSizing(UINT, RECT*)
{
    Default();
    GetWindowRect(&m_rcWindow);
}

void CZentimDlg::OnSize(UINT nType, int, int)
{
    Default();
    if (nType == SIZE_RESTORED) {
        DeleteTrayIcon();
    } else if (nType == SIZE_MINIMIZED) {
        if (AddTrayIcon()) {
            ShowWindow(SW_MINIMIZE);
            ShowWindow(SW_HIDE);
        } else {
            // Hidden without an icon, and with no taskbar button, the clock
            // could never be brought back.
            ShowWindow(SW_RESTORE);
        }
    }
    GetWindowRect(&m_rcWindow);
    // Every new size of the normal window, from a load or a key alike, gets
    // the ellipse of that size.
    if (nType == SIZE_RESTORED && (m_rcWindow.right - m_rcWindow.left != m_szClipped.cx ||
                                   m_rcWindow.bottom - m_rcWindow.top != m_szClipped.cy))
        SetRoundRegion();
}

LRESULT CZentimDlg::OnTrayNotify(WPARAM, LPARAM lParam)
{
    // In one step, so that the window is never shown minimised: mapped so,
    // under X, it would be placed anew by the window manager. The restore's
    // size notification removes the icon.
    if (lParam == WM_LBUTTONDOWN)
        ShowWindow(SW_RESTORE);
    return 0;
}

void CZentimDlg::OnMenuMinimize() { ShowWindow(SW_MINIMIZE); }

void CZentimDlg::OnMenuRestore() { ShowWindow(SW_RESTORE); }

void CZentimDlg::OnMenuMaximize() { ShowWindow(SW_MAXIMIZE); }

bool CZentimDlg::AddTrayIcon()
{
    // The minimise below notifies again while the icon is there already;
    // that is no failure.
    if (m_bTrayIconAdded)
        return true;
    NOTIFYICONDATAA nid = TrayIconRecord(m_hWnd);
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = WM_TRAY_NOTIFY;
    nid.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    lstrcpynA(nid.szTip, m_strTrayTip.c_str(), kTipSize);
    m_bTrayIconAdded = g_shellNotifyIcon(NIM_ADD, &nid) != FALSE;
    return m_bTrayIconAdded;
}

void CZentimDlg::DeleteTrayIcon()
{
    // Issued whether or not there is an icon; deleting none does no harm.
    NOTIFYICONDATAA nid = TrayIconRecord(m_hWnd);
    g_shellNotifyIcon(NIM_DELETE, &nid);
    m_bTrayIconAdded = false;
}

void CZentimDlg::OnTaskbarCreated()
{
    if (!m_bTrayIconAdded)
        return;
    m_bTrayIconAdded = false;
    if (!AddTrayIcon())
        ShowWindow(SW_RESTORE);
}

LRESULT CZentimDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The shell's restart message is only known at run time, so it cannot
    // be a row of the message map.
    if (message == m_nMsgTaskbarCreated && m_nMsgTaskbarCreated != 0)
        OnTaskbarCreated();
    if (message == WM_DESTROY) {
        // An icon left behind would point at a window that is gone.
        if (m_bTrayIconAdded)
            DeleteTrayIcon();
        // The kept frame was made for this window.
        m_canvas.Release();
        m_lastFrame.reset();
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CZentimDlg::PreTranslateMessage(MSG* pMsg)
{
    // Each test sees the key code as the earlier ones left it. A code of 0
    // keeps the dialog's own keyboard handling from ending the clock on
    // Enter or Escape.
    if (pMsg->message == WM_KEYDOWN && m_hWnd != nullptr) {
        if (pMsg->wParam == VK_RETURN)
            pMsg->wParam = 0;
        if (pMsg->wParam == VK_ESCAPE) {
            ShowWindow(SW_MINIMIZE);
            pMsg->wParam = 0;
        }
        if (pMsg->wParam == VK_UP) {
            ResizeByArrowKey(+1);
            pMsg->wParam = 0;
        }
        if (pMsg->wParam == VK_DOWN) {
            ResizeByArrowKey(-1);
            pMsg->wParam = 0;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CZentimDlg::ResizeByArrowKey(int delta)
{
    GetWindowRect(&m_rcWindow);
    const RECT r = m_rcWindow;
    MONITORINFO mi{ sizeof mi, {}, {}, 0 };
    GetMonitorInfoA(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    const std::optional<face::Box> resized = clockwnd::ArrowKeyResize(
        { r.left, r.top, r.right, r.bottom }, delta,
        { mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom });
    if (!resized)
        return;
    // The size notification reads m_rcWindow again and clips the window.
    MoveWindow(resized->left, resized->top, resized->right - resized->left,
               resized->bottom - resized->top, TRUE);
}
