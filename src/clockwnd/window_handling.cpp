// CZentimDlg's handling by the user: drag, double-click, popup menu, keys,
// the notification-area icon, and the window rectangle kept in step.
#include "clockwnd/zentim_dlg.h"

#include "clockwnd/window_geometry.h"
#include "framework/winapp.h"
#include "res/resource.h"

namespace {
// The window has no caption, so the whole face stands in for one.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

bool IsKeyOrClick(UINT message)
{
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_LBUTTONDOWN ||
           message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_LBUTTONDBLCLK;
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
    if ((nID & 0xFFF0) == SC_RESTORE && m_trayIcon.Shown())
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
    if (nType == SIZE_RESTORED || nType == SIZE_MAXIMIZED) {
        // On screen again, if only for a chime's flash.
        m_trayIcon.Delete();
    } else if (nType == SIZE_MINIMIZED) {
        if (m_trayIcon.Add(m_hWnd, WM_TRAY_NOTIFY, m_hIcon, std::string())) {
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

LRESULT CZentimDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The shell's restart message is only known at run time, so it cannot
    // be a row of the message map.
    if (message == m_nMsgTaskbarCreated && m_nMsgTaskbarCreated != 0 &&
        !m_trayIcon.OnTaskbarCreated())
        ShowWindow(SW_RESTORE);
    if (message == m_nMsgTaskbarCreated && m_nMsgTaskbarCreated != 0)
        m_ringer.OnTaskbarCreated();
    if (message == WM_DESTROY) {
        // An icon left behind would point at a window that is gone, and a
        // sound would go on after the clock.
        m_trayIcon.Delete();
        m_chime.Stop();
        m_ringer.Stop();
        // The kept frame was made for this window.
        m_canvas.Release();
        m_lastFrame.reset();
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CZentimDlg::PreTranslateMessage(MSG* pMsg)
{
    // A chime that runs is what the user answers: the key or click stops
    // it and does nothing else.
    if (IsKeyOrClick(pMsg->message) && m_chime.Stop())
        return TRUE;
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
    GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    const std::optional<face::Box> resized = clockwnd::ArrowKeyResize(
        { r.left, r.top, r.right, r.bottom }, delta,
        { mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom });
    if (!resized)
        return;
    // The size notification reads m_rcWindow again and clips the window.
    MoveWindow(resized->left, resized->top, resized->right - resized->left,
               resized->bottom - resized->top, TRUE);
}
