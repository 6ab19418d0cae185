// TrayIcon: an icon of the clock in the notification area, owned: added
// with the window it calls back, shown again when the shell restarts (its
// icons are gone then), deleted with its owner at the latest. Its tip and
// a balloon can tell the user something.
#pragma once

#include <windows.h>

#include <string>

namespace clockwnd {

class TrayIcon {
public:
    // The window's icon number id: a window may show more than one.
    explicit TrayIcon(UINT id = 0) : m_id(id) {}
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
    // A shown icon takes text as its tip, and shows it in a balloon under
    // title too.
    void Notify(const std::string& title, const std::string& text);

private:
    UINT m_id;
    HWND m_window = nullptr;
    UINT m_callbackMessage = 0;
    HICON m_icon = nullptr;
    std::string m_tip;
    bool m_shown = false;
};

} // namespace clockwnd
