// The clock window handled as a user handles it: keys, popup menu, menu
// commands, the notification-area icon, and m_rcWindow kept in step.
#include "support.h"

#include "res/resource.h"

#include <shellapi.h>

#include <utility>

namespace {

using namespace wintest;

// Wine, with no desktop tray running, shows each notification icon as one
// child of this window. Windows has no such window; these tests are Wine's.
int TrayIcons()
{
    const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    int count = 0;
    for (HWND icon = tray ? GetWindow(tray, GW_CHILD) : nullptr; icon != nullptr;
         icon = GetWindow(icon, GW_HWNDNEXT))
        ++count;
    return count;
}

class WindowHandling : public ClockTest {
protected:
    // A key-down handled the way the dialog's modal loop handles it.
    void Press(WPARAM key)
    {
        MSG msg{ m_clock.m_hWnd, WM_KEYDOWN, key, 1, 0, {} };
        if (!m_clock.PreTranslateMessage(&msg))
            DispatchMessageA(&msg);
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
    const int m_icons = TrayIcons();
};

// Enter does nothing; Up and Down grow and shrink by a pixel on every side
// and clip the window to its new size.
TEST_F(WindowHandling, KeysResizeAroundTheCentreAndReclip)
{
    const INT_PTR result = Run([&] {
        const RECT before = WindowRect(m_clock.m_hWnd);
        Press(VK_RETURN);
        PumpFor(100);
        EXPECT_TRUE(ShownNormal());
        for (const auto& step : { std::make_pair(VK_UP, 1), std::make_pair(VK_DOWN, 0) }) {
            Press(step.first);
            RECT expected = before;
            InflateRect(&expected, step.second, step.second);
            EXPECT_EQ(WindowRect(m_clock.m_hWnd), expected);
            EXPECT_EQ(m_clock.m_rcWindow, expected);
            EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd));
        }
    });
    EXPECT_EQ(result, -1) << "Enter ended the clock";
}

// Every way of minimising ends in the notification area; of the mouse
// messages over the icon only a left press brings the clock back, where it
// was. The icon goes with the window.
TEST_F(WindowHandling, MinimisingHidesInTheTrayAndALeftPressBringsItBack)
{
    const std::vector<std::function<void()>> ways = {
        [&] { Press(VK_ESCAPE); },
        [&] { m_clock.SendMessage(WM_COMMAND, ID_MENU_MINIMIZE, 0); },
        [&] { m_clock.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, 0); },
    };
    Run([&] {
        const RECT normal = WindowRect(m_clock.m_hWnd);
        for (size_t way = 0; way < ways.size(); ++way) {
            SCOPED_TRACE(way);
            ways[way]();
            ASSERT_TRUE(PumpUntil([&] { return InTray(); }));
            for (UINT mouse : { WM_RBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_LBUTTONUP })
                m_clock.SendMessage(WM_TRAY_NOTIFY, 0, mouse);
            PumpFor(100);
            EXPECT_TRUE(InTray());
            m_clock.SendMessage(WM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN);
            ASSERT_TRUE(PumpUntil([&] { return ShownNormal(); }));
            EXPECT_EQ(WindowRect(m_clock.m_hWnd), normal);
            EXPECT_EQ(m_clock.m_rcWindow, normal);
        }
        Press(VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return InTray(); }));
        // Wine drops a destroyed window's icons by itself, but a moment later.
        DestroyWindow(m_clock.m_hWnd);
        EXPECT_EQ(TrayIcons(), m_icons);
    });
}

// After the shell restarts the icon is added again; an icon that cannot be
// added leaves the clock on screen, where it can still be reached.
TEST_F(WindowHandling, TheIconIsThereWhenTheClockIsHidden)
{
    Run([&] {
        NOTIFYICONDATAA nid{};
        nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
        nid.hWnd = m_clock.m_hWnd;
        Press(VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return InTray(); }));
        Shell_NotifyIconA(NIM_DELETE, &nid);
        ASSERT_TRUE(PumpUntil([&] { return TrayIcons() == m_icons; }));
        PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return InTray(); }));
        m_clock.SendMessage(WM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN);
        ASSERT_TRUE(PumpUntil([&] { return ShownNormal(); }));

        // An icon of the same window and id is there already.
        nid.uFlags = NIF_ICON;
        nid.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));
        Press(VK_ESCAPE);
        PumpFor(200);
        EXPECT_TRUE(IsWindowVisible(m_clock.m_hWnd) && !IsIconic(m_clock.m_hWnd));
        Shell_NotifyIconA(NIM_DELETE, &nid);
    });
}

// What a thread timer sees of the popup menu while it is tracked.
RECT g_menuRect;
std::vector<std::pair<UINT, UINT>> g_menuItems; // command (0: separator), state

void CALLBACK InspectMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND window = FindWindowA("#32768", nullptr);
    if (window == nullptr || !IsWindowVisible(window))
        return;
    KillTimer(nullptr, id);
    GetWindowRect(window, &g_menuRect);
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        g_menuItems.emplace_back(GetMenuItemID(menu, i), GetMenuState(menu, i, MF_BYPOSITION));
    EndMenu();
}

// The menu opens at the pointer, not at the press's own point, with
// Maximize grayed; its commands leave m_rcWindow where the window is.
TEST_F(WindowHandling, PopupMenuAtThePointerAndItsCommands)
{
    const UINT off = MF_GRAYED | MF_DISABLED;
    const std::vector<std::pair<UINT, UINT>> items = {
        { ID_MENU_MINIMIZE, 0 },     { ID_MENU_RESTORE, 0 }, { ID_MENU_MAXIMIZE, off },
        { 0, MF_SEPARATOR },         { ID_MENU_OPTIONS, 0 }, { ID_MENU_SAVE_OPTIONS, 0 },
        { ID_MENU_LOAD_OPTIONS, 0 }, { 0, MF_SEPARATOR },    { ID_MENU_EXIT, 0 },
    };
    Run([&] {
        const RECT normal = WindowRect(m_clock.m_hWnd);
        SetCursorPos(normal.left + 40, normal.top + 50);
        SetTimer(nullptr, 0, 20, &InspectMenu);
        PostMessageA(m_clock.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));
        ASSERT_TRUE(PumpUntil([] { return !g_menuItems.empty(); }));
        EXPECT_EQ(g_menuRect.left, normal.left + 40);
        EXPECT_EQ(g_menuRect.top, normal.top + 50);
        ASSERT_EQ(g_menuItems.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(g_menuItems[i].first, items[i].first) << i;
            // Wine grays separators too; only their kind matters.
            const UINT mask = items[i].first == 0 ? MF_SEPARATOR : off | MF_SEPARATOR;
            EXPECT_EQ(g_menuItems[i].second & mask, items[i].second) << i;
        }
        m_clock.SendMessage(WM_COMMAND, ID_MENU_MAXIMIZE, 0);
        EXPECT_TRUE(PumpUntil([&] { return IsZoomed(m_clock.m_hWnd) != FALSE; }));
        EXPECT_EQ(m_clock.m_rcWindow, WindowRect(m_clock.m_hWnd));
        m_clock.SendMessage(WM_COMMAND, ID_MENU_RESTORE, 0);
        EXPECT_TRUE(PumpUntil([&] { return ShownNormal(); }));
        EXPECT_EQ(m_clock.m_rcWindow, normal);
    });
}

} // namespace
