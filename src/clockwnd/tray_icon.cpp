#include "clockwnd/tray_icon.h"

#include "framework/late_bound.h"
#include "framework/text.h"

#include <shellapi.h>

namespace clockwnd {
namespace {

CLateBound<decltype(&Shell_NotifyIconW)> g_shellNotifyIcon(L"shell32.dll", "Shell_NotifyIconW");
// Identified by its window and id. The second version's record, the
// first with balloons: every shell since Windows 2000 takes it.
NOTIFYICONDATAW IconRecord(HWND window, UINT id)
{
    NOTIFYICONDATAW nid{};
    nid.cbSize = NOTIFYICONDATAW_V2_SIZE;
    nid.hWnd = window;
    nid.uID = id;
    return nid;
}

// Cut to the field, which the shell expects ended.
template <size_t N>
void CopyText(wchar_t (&field)[N], const std::string& text)
{
    lstrcpynW(field, Widen(text).c_str(), static_cast<int>(N));
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
    NOTIFYICONDATAW nid = IconRecord(window, m_id);
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = callbackMessage;
    nid.hIcon = icon;
    CopyText(nid.szTip, tip);
    m_shown = g_shellNotifyIcon(NIM_ADD, &nid) != FALSE;
    return m_shown;
}

void TrayIcon::SetTip(const std::string& tip)
{
    m_tip = tip;
    if (!m_shown)
        return;
    NOTIFYICONDATAW nid = IconRecord(m_window, m_id);
    nid.uFlags = NIF_TIP;
    CopyText(nid.szTip, tip);
    g_shellNotifyIcon(NIM_MODIFY, &nid);
}

void TrayIcon::Delete()
{
    if (m_window == nullptr)
        return;
    NOTIFYICONDATAW nid = IconRecord(m_window, m_id);
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

void TrayIcon::Notify(const std::string& title, const std::string& text)
{
    if (!m_shown)
        return;
    m_tip = text;
    NOTIFYICONDATAW nid = IconRecord(m_window, m_id);
    nid.uFlags = NIF_TIP | NIF_INFO;
    CopyText(nid.szTip, text);
    CopyText(nid.szInfo, text);
    CopyText(nid.szInfoTitle, title);
    nid.dwInfoFlags = NIIF_WARNING;
    g_shellNotifyIcon(NIM_MODIFY, &nid);
}

} // namespace clockwnd
