// CZentimDlg's handling by the user: drag, double-click, popup menu, keys,
// the notification-area icon, and the window rectangle kept in step.
#include "clockwnd/zentim_dlg.h"

#include "clockwnd/clock_instance.h"
#include "clockwnd/clock_name.h"
#include "clockwnd/window_geometry.h"
#include "framework/winapp.h"
#include "res/resource.h"
#include "time/local_format.h"
#include "time/windows_zones.h"

namespace {
// The window has no caption, so the whole face stands in for one.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

bool IsKeyOrClick(UINT message)
{
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_LBUTTONDOWN ||
           message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_LBUTTONDBLCLK;
}
} // namespace

LRESULT CZentimDlg::OnNotify(WPARAM, LPARAM lParam)
{
    m_tooltip.OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    return Default();
}

void CZentimDlg::OnLButtonDown(UINT, POINT)
{
    // Returns when the button is released; the window follows the mouse
    // meanwhile, without the date's tip.
    m_tooltip.Suspend();
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_SYSCOMMAND, kMoveByCaption, 0);
    m_tooltip.Resume();
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
    ShowPopupMenu(cursor);
    Default();
}

LRESULT CZentimDlg::OnContextMenu(WPARAM, LPARAM lParam)
{
    // From the keyboard (the menu key, Shift+F10) the menu opens at the
    // clock's centre; a click has opened it at the pointer already.
    if (lParam != -1)
        return Default();
    RECT rect;
    GetWindowRect(&rect);
    ShowPopupMenu({ (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 });
    return 0;
}

void CZentimDlg::ShowPopupMenu(POINT at)
{
    // The chime maximises for a moment; the user is never offered it.
    m_menuPopup.EnableMenuItem(ID_MENU_MAXIMIZE, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    TrackPopupMenu(m_menuPopup.GetSubMenu(0), 0, at.x, at.y, 0, m_hWnd, nullptr);
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
        ShowTrayIcon();
    } else if (nType == SIZE_MINIMIZED) {
        if (m_trayIcon.Add(m_hWnd, WM_TRAY_NOTIFY, m_hIcon, TrayTip())) {
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
    // a face of that size.
    if (nType == SIZE_RESTORED && m_presenter)
        m_presenter->Resized(m_hWnd, Content(m_lastTime.value_or(
                                         timekeeping::ClockTime{ 0, false, -1, -1, -1, 0 })));
}

LRESULT CZentimDlg::OnTrayNotify(WPARAM, LPARAM lParam)
{
    // In one step, so that the window is never shown minimised: mapped so,
    // under X, it would be placed anew by the window manager. The restore's
    // size notification removes the icon.
    if (lParam == WM_LBUTTONDOWN)
        ShowWindow(SW_RESTORE);
    else if (lParam == WM_RBUTTONUP && m_settings.m_bClickThrough)
        ShowTrayMenu();
    return 0;
}

void CZentimDlg::OnMenuMinimize() { ShowWindow(SW_MINIMIZE); }

void CZentimDlg::OnMenuRestore() { ShowWindow(SW_RESTORE); }

void CZentimDlg::OnMenuMaximize() { ShowWindow(SW_MAXIMIZE); }

void CZentimDlg::OnMenuClickThrough()
{
    settings::ClockSettings values = m_settings;
    values.m_bClickThrough = !values.m_bClickThrough;
    ApplySettings(values);
}

void CZentimDlg::ShowTrayIcon()
{
    if (m_settings.m_bClickThrough || IsIconic(m_hWnd))
        m_trayIcon.Add(m_hWnd, WM_TRAY_NOTIFY, m_hIcon, TrayTip());
    else
        m_trayIcon.Delete();
}

std::string CZentimDlg::TrayTip() const
{
    // Of several clocks each names its zone, or else its folder, under its
    // name.
    if (!m_zoneClock.Zone().empty())
        return clockwnd::TrayTipText(m_name.Text(),
                                     timekeeping::ZoneDisplayName(m_zoneClock.Zone()));
    const std::string::size_type name = m_strSettingsFolder.find_last_of('\\');
    return clockwnd::TrayTipText(
        m_name.Text(), m_strSettingsFolder.substr(name == std::string::npos ? 0 : name + 1));
}

void CZentimDlg::ShowTrayMenu()
{
    CMenu menu;
    menu.LoadMenu(IDR_POPUP_MENU);
    const HMENU items = menu.GetSubMenu(0);
    wchar_t text[64] = L"";
    LoadStringW(GetModuleHandleW(nullptr), IDS_CLICK_THROUGH, text,
                static_cast<int>(std::size(text)));
    AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(items, MF_STRING | MF_CHECKED, ID_MENU_CLICK_THROUGH, text);
    EnableMenuItem(items, ID_MENU_MAXIMIZE, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    // As the shell asks of a notification icon's menu: in front, so that a
    // click elsewhere closes it, and a message after it, so that it closes
    // at once.
    POINT cursor;
    GetCursorPos(&cursor);
    SetForegroundWindow(m_hWnd);
    TrackPopupMenu(items, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

LRESULT CZentimDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The shell's restart message is only known at run time, so it cannot
    // be a row of the message map.
    if (message == m_nMsgTaskbarCreated && m_nMsgTaskbarCreated != 0) {
        if (!m_trayIcon.OnTaskbarCreated())
            ShowWindow(SW_RESTORE);
        m_ringer.OnTaskbarCreated();
    }
    if (message == WM_DESTROY) {
        // An icon left behind would point at a window that is gone, and a
        // sound would go on after the clock.
        m_trayIcon.Delete();
        m_fullScreen.Stop();
        m_chime.Stop();
        m_tooltip.Destroy();
        clockwnd::ClockInstance::UnmarkWindow(m_hWnd, m_strSettingsFolder);
        m_ringer.Stop();
        // The kept frame was made for this window.
        if (m_presenter)
            m_presenter->Release(m_hWnd);
        m_presenter.reset();
        m_lastTime.reset();
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CZentimDlg::PreTranslateMessage(MSG* pMsg)
{
    // A chime that runs is what the user answers: the key or click stops
    // it and does nothing else.
    if (IsKeyOrClick(pMsg->message) && m_chime.Stop())
        return TRUE;
    if (pMsg->hwnd == m_hWnd && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_tooltip.Relay(*pMsg, [this] {
            const timekeeping::ClockTime now = m_timeSource();
            return timekeeping::TooltipText(now, m_zoneClock.TimeName(now));
        });
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
