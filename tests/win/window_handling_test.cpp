// The clock window handled as a user handles it: keys, the notification
// area, the popup menu, and m_rcWindow kept in step.
#include "support.h"

#include "res/resource.h"

#include <shellapi.h>

#include <optional>

namespace {

using namespace wintest;

class WindowHandling : public ClockTest {
protected:
    void Press(WPARAM key)
    {
        PostMessageA(m_clock.m_hWnd, WM_KEYDOWN, key, 1);
        Settle();
    }
    bool InTray() const
    {
        return !IsWindowVisible(m_clock.m_hWnd) && IsIconic(m_clock.m_hWnd) &&
               TrayIcons() == m_icons + 1;
    }
    bool ShownNormal() const
    {
        return IsWindowVisible(m_clock.m_hWnd) && !IsIconic(m_clock.m_hWnd) &&
               !IsZoomed(m_clock.m_hWnd) && TrayIcons() == m_icons;
    }
    // A record naming the clock's own icon: the shell's side of it.
    NOTIFYICONDATAA IconOfTheClock() const
    {
        NOTIFYICONDATAA nid{ NOTIFYICONDATAA_V1_SIZE, m_clock.m_hWnd, 0, NIF_ICON };
        nid.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        return nid;
    }
    const int m_icons = TrayIcons();
};

// Enter does nothing; Up and Down grow and shrink by a pixel on every side
// and clip the window to its new size.
TEST_F(WindowHandling, KeysResizeAroundTheCentreAndReclip)
{
    EXPECT_EQ(Run([&] {
                  Press(VK_RETURN);
                  RECT expected = WindowRect(m_clock.m_hWnd);
                  for (const WPARAM key : { VK_UP, VK_DOWN, VK_DOWN }) {
                      Press(key);
                      InflateRect(&expected, key == VK_UP ? 1 : -1, key == VK_UP ? 1 : -1);
                      EXPECT_EQ(m_clock.m_rcWindow, expected);
                      EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd));
                  }
              }),
              -1)
        << "Enter ended the clock";
}

// The window's own procedure sees what the clock's handlers pass on for
// default processing: it is swapped in as the window is created.
WNDPROC g_dialogProc = nullptr;
std::vector<UINT> g_defaulted;
LRESULT CALLBACK RecordDefault(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDBLCLK || (message == WM_SIZE && wParam == SIZE_MINIMIZED))
        g_defaulted.push_back(message);
    return CallWindowProcA(g_dialogProc, wnd, message, wParam, lParam);
}
LRESULT CALLBACK SubclassAtCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_dialogProc == nullptr)
        g_dialogProc =
            WNDPROC(SetWindowLongPtrA(HWND(wParam), GWLP_WNDPROC, LONG_PTR(&RecordDefault)));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Every way of minimising ends in the notification area, a double-click as
// Escape does: the minimise first, then the default processing. Of the
// mouse messages over the icon only a left press brings the clock back,
// where it was, also under a window manager that places a window shown
// again anew (openbox). After the shell restarts the icon comes back;
// when none can be added the clock stays on screen. The icon goes with the
// window.
TEST_F(WindowHandling, TheNotificationAreaHidesAndGivesBackTheClock)
{
    const HHOOK hook =
        SetWindowsHookExA(WH_CBT, &SubclassAtCreation, nullptr, GetCurrentThreadId());
    Run([&] {
        UnhookWindowsHookEx(hook);
        const RECT normal = WindowRect(m_clock.m_hWnd);
        for (int way = 0; way < 3; ++way) {
            g_defaulted.clear();
            if (way == 0)
                Press(VK_ESCAPE);
            else
                m_clock.SendMessage(way == 1 ? WM_COMMAND : WM_LBUTTONDBLCLK,
                                    way == 1 ? ID_MENU_MINIMIZE : MK_LBUTTON);
            ASSERT_TRUE(PumpUntil([&] { return InTray(); })) << "way " << way;
            if (way == 2)
                EXPECT_EQ(g_defaulted, (std::vector<UINT>{ WM_SIZE, WM_LBUTTONDBLCLK }));
            for (UINT mouse : { WM_RBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_LBUTTONUP })
                m_clock.SendMessage(WM_TRAY_NOTIFY, 0, mouse);
            PumpFor(100);
            EXPECT_TRUE(InTray()) << "way " << way;
            m_clock.SendMessage(WM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN);
            ASSERT_TRUE(PumpUntil([&] { return ShownNormal(); })) << "way " << way;
            Settle();
            EXPECT_EQ(m_clock.m_rcWindow, normal);
            EXPECT_EQ(WindowRect(m_clock.m_hWnd), normal);
        }
        NOTIFYICONDATAA nid = IconOfTheClock();
        Press(VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return InTray(); }));
        Shell_NotifyIconA(NIM_DELETE, &nid);
        ASSERT_TRUE(PumpUntil([&] { return TrayIcons() == m_icons; }));
        PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return InTray(); })) << "not back after the shell's restart";
        DestroyWindow(m_clock.m_hWnd);
        EXPECT_EQ(TrayIcons(), m_icons) << "the icon stayed with no window";
    });
    g_dialogProc = nullptr;
    Run([&] {
        NOTIFYICONDATAA nid = IconOfTheClock();
        ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid)) << "an icon of the same window and id";
        Press(VK_ESCAPE);
        EXPECT_TRUE(IsWindowVisible(m_clock.m_hWnd) && !IsIconic(m_clock.m_hWnd));
        Shell_NotifyIconA(NIM_DELETE, &nid);
    });
}

// The menu opens at the pointer, not at the press's own point, with
// Maximize grayed; Restore leaves m_rcWindow where the window is.
TEST_F(WindowHandling, PopupMenuAtThePointerAndItsCommands)
{
    Run([&] {
        const RECT normal = WindowRect(m_clock.m_hWnd);
        SetCursorPos(normal.left + 40, normal.top + 50);
        RECT menuAt{};
        std::optional<UINT> maximize;
        WhenShown(
            "",
            [&](HWND window) {
                menuAt = WindowRect(window);
                const HMENU menu = HMENU(SendMessageA(window, MN_GETHMENU, 0, 0));
                maximize = GetMenuState(menu, ID_MENU_MAXIMIZE, MF_BYCOMMAND);
                EndMenu();
            },
            "#32768");
        PostMessageA(m_clock.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));
        ASSERT_TRUE(PumpUntil([&] { return maximize.has_value(); }));
        EXPECT_EQ(menuAt.left * 10000 + menuAt.top, (normal.left + 40) * 10000 + normal.top + 50);
        // Not found, the state is all ones, a separator among them.
        EXPECT_EQ(*maximize & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR),
                  UINT(MF_GRAYED | MF_DISABLED));
        m_clock.SendMessage(WM_COMMAND, ID_MENU_MAXIMIZE, 0);
        EXPECT_TRUE(PumpUntil([&] { return IsZoomed(m_clock.m_hWnd) != FALSE; }));
        m_clock.SendMessage(WM_COMMAND, ID_MENU_RESTORE, 0);
        EXPECT_TRUE(PumpUntil([&] { return ShownNormal(); }));
        EXPECT_EQ(m_clock.m_rcWindow, normal);
    });
}

} // namespace
