// TrayIcon: the clock's icon in the notification area, owned: added with
// the window it calls back, shown again when the shell restarts (its icons
// are gone then), deleted with its owner at the latest.
#pragma once

#include <windows.h>

#include <string>

namespace clockwnd {

class TrayIcon {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Delete(); }

    // The icon of window, which gets callbackMessage with the mouse message
    // over the icon in lParam; true when it shows (also when it did).
    bool Add(HWND window, UINT callbackMessage, HICON icon, const std::string& tip);
    // The tip, now if the icon shows, else when it is added.
    void SetTip(const std::string& tip);
    // Issued whether or not there is an icon; deleting none does no harm.
    void Delete();
    // The shell broadcast "TaskbarCreated": an icon that was there is
    // added again; false when it could not be.
    bool OnTaskbarCreated();
    bool Shown() const { return m_shown; }

private:
    HWND m_window = nullptr;
    UINT m_callbackMessage = 0;
    HICON m_icon = nullptr;
    std::string m_tip;
    bool m_shown = false;
};

} // namespace clockwnd
