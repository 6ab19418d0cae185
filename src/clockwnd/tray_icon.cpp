#include "clockwnd/tray_icon.h"

#include "framework/late_bound.h"
#include "framework/text.h"

#include <shellapi.h>

namespace clockwnd {
namespace {

CLateBound<decltype(&Shell_NotifyIconW)> g_shellNotifyIcon(L"shell32.dll", "Shell_NotifyIconW");
// The tip field of the second version's record, the one this program
// sends: the time, the date and the clock's zone or folder take more than
// the first version's 64.
constexpr int kTipSize = 128;

// Identified by its window and id 0. The second version's record: every
// shell since Windows 2000 takes it.
NOTIFYICONDATAW IconRecord(HWND window)
{
    NOTIFYICONDATAW nid{};
    nid.cbSize = NOTIFYICONDATAW_V2_SIZE;
    nid.hWnd = window;
    nid.uID = 0;
    return nid;
}

} // namespace

bool TrayIcon::Add(HWND window, UINT callbackMessage, HICON icon, const std::string& tip)
{
    // A minimise notifies again while the icon is there already; that is
    // no failure.
    if (m_shown)
        return true;
    m_window = window;
    m_callbackMessage = callbackMessage;
    m_icon = icon;
    m_tip = tip;
    NOTIFYICONDATAW nid = IconRecord(window);
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = callbackMessage;
    nid.hIcon = icon;
    lstrcpynW(nid.szTip, Widen(tip).c_str(), kTipSize);
    m_shown = g_shellNotifyIcon(NIM_ADD, &nid) != FALSE;
    return m_shown;
}

void TrayIcon::SetTip(const std::string& tip)
{
    m_tip = tip;
    if (!m_shown)
        return;
    NOTIFYICONDATAW nid = IconRecord(m_window);
    nid.uFlags = NIF_TIP;
    lstrcpynW(nid.szTip, Widen(tip).c_str(), kTipSize);
    g_shellNotifyIcon(NIM_MODIFY, &nid);
}

void TrayIcon::Delete()
{
    if (m_window == nullptr)
        return;
    NOTIFYICONDATAW nid = IconRecord(m_window);
    g_shellNotifyIcon(NIM_DELETE, &nid);
    m_shown = false;
}

bool TrayIcon::OnTaskbarCreated()
{
    if (!m_shown)
        return true;
    m_shown = false;
    return Add(m_window, m_callbackMessage, m_icon, m_tip);
}

} // namespace clockwnd
