// The clock window handled as a user handles it: keys, popup menu, menu
// commands, the notification-area icon, and m_rcWindow kept in step.
#include "clock_test_support.h"
#include "framework/gdi.h"
#include "framework/winapp.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <functional>
#include <iterator>
#include <utility>
#include <vector>

namespace {

using wintest::PumpFor;
using wintest::PumpUntil;

// Bit 30 of a key-down's lParam: the key was down already (auto-repeat).
constexpr LPARAM kRepeatedKey = 0x40000001;

// Wine, with no desktop tray running, shows each notification icon as one
// child of this window. Windows has no such window; these tests are Wine's.
int TrayIconCount()
{
    const HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    int count = 0;
    for (HWND icon = tray ? GetWindow(tray, GW_CHILD) : nullptr; icon != nullptr;
         icon = GetWindow(icon, GW_HWNDNEXT))
        ++count;
    return count;
}

RECT WindowRect(HWND hWnd)
{
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    return rect;
}

RECT Inflated(const RECT& rect, int delta)
{
    return RECT{ rect.left - delta, rect.top - delta, rect.right + delta, rect.bottom + delta };
}

// A key-down handled the way the dialog's modal loop handles it.
void PressKey(CZentimDlg& dlg, WPARAM key, LPARAM flags = 1)
{
    MSG msg{ dlg.m_hWnd, WM_KEYDOWN, key, flags, static_cast<DWORD>(GetMessageTime()), {} };
    if (!dlg.PreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool HiddenInTray(const CZentimDlg& dlg, int iconsBefore)
{
    return !IsWindowVisible(dlg.m_hWnd) && IsIconic(dlg.m_hWnd) &&
           TrayIconCount() == iconsBefore + 1;
}

bool ShownNormal(const CZentimDlg& dlg, int iconsBefore)
{
    return IsWindowVisible(dlg.m_hWnd) && !IsIconic(dlg.m_hWnd) && !IsZoomed(dlg.m_hWnd) &&
           TrayIconCount() == iconsBefore;
}

class WindowHandling : public testing::Test {
protected:
    void SetUp() override
    {
        AfxGetApp()->m_pMainWnd = &m_dlg;
        m_iconsBefore = TrayIconCount();
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    // Runs the clock and returns DoModal's result: -1 unless something
    // ended the dialog before the script was through.
    INT_PTR Run(const std::function<void()>& script)
    {
        return wintest::RunModalScript(m_dlg, script);
    }

    wintest::ScratchDir m_dir;
    CZentimDlg m_dlg;
    int m_iconsBefore = 0;
};

TEST_F(WindowHandling, EnterDoesNothing)
{
    const INT_PTR result = Run([&] {
        const RECT before = WindowRect(m_dlg.m_hWnd);
        PressKey(m_dlg, VK_RETURN);
        PumpFor(100);
        EXPECT_TRUE(ShownNormal(m_dlg, m_iconsBefore));
        EXPECT_EQ(WindowRect(m_dlg.m_hWnd), before);
    });
    EXPECT_EQ(result, -1);
}

TEST_F(WindowHandling, EveryWayOfMinimisingHidesInTheTrayAndOnlyALeftPressBringsItBack)
{
    struct Way {
        const char* name;
        std::function<void()> minimise;
    };
    const std::vector<Way> ways = {
        { "Escape", [&] { PressKey(m_dlg, VK_ESCAPE); } },
        { "Minimize", [&] { m_dlg.SendMessage(WM_COMMAND, ID_MENU_MINIMIZE, 0); } },
        { "double-click", [&] { m_dlg.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, 0); } },
    };
    const UINT ignored[] = { WM_RBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_LBUTTONUP };

    const INT_PTR result = Run([&] {
        const RECT normal = WindowRect(m_dlg.m_hWnd);
        for (const Way& way : ways) {
            SCOPED_TRACE(way.name);
            way.minimise();
            ASSERT_TRUE(PumpUntil([&] { return HiddenInTray(m_dlg, m_iconsBefore); }));
            EXPECT_EQ(m_dlg.m_rcWindow, WindowRect(m_dlg.m_hWnd));

            for (UINT mouse : ignored)
                EXPECT_EQ(m_dlg.SendMessage(WM_TRAY_NOTIFY, 0, mouse), 0) << mouse;
            PumpFor(100);
            EXPECT_TRUE(HiddenInTray(m_dlg, m_iconsBefore));

            EXPECT_EQ(m_dlg.SendMessage(WM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN), 0);
            ASSERT_TRUE(PumpUntil([&] { return ShownNormal(m_dlg, m_iconsBefore); }));
            EXPECT_EQ(WindowRect(m_dlg.m_hWnd), normal);
            EXPECT_EQ(m_dlg.m_rcWindow, normal);
        }
    });
    EXPECT_EQ(result, -1);
}

TEST_F(WindowHandling, IconGoesWithTheWindow)
{
    Run([&] {
        PressKey(m_dlg, VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return HiddenInTray(m_dlg, m_iconsBefore); }));
        // Wine drops a destroyed window's icons by itself, but only a moment
        // later; look before anything else can run.
        DestroyWindow(m_dlg.m_hWnd);
        EXPECT_EQ(TrayIconCount(), m_iconsBefore);
    });
}

TEST_F(WindowHandling, ArrowKeysResizeAroundTheCentreAndReclip)
{
    struct Case {
        WPARAM key;
        LPARAM flags;
        int presses;
        int delta;
    };
    const Case cases[] = {
        { VK_UP, 1, 1, +1 },
        { VK_DOWN, 1, 1, -1 },
        { VK_UP, kRepeatedKey, 3, +3 },
        { VK_DOWN, kRepeatedKey, 3, -3 },
    };
    Run([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "key " << c.key << " x" << c.presses);
            const RECT before = WindowRect(m_dlg.m_hWnd);
            for (int i = 0; i < c.presses; ++i)
                PressKey(m_dlg, c.key, c.flags);
            EXPECT_EQ(WindowRect(m_dlg.m_hWnd), Inflated(before, c.delta));
            EXPECT_EQ(m_dlg.m_rcWindow, Inflated(before, c.delta));
            EXPECT_TRUE(wintest::IsClippedToClockEllipse(m_dlg.m_hWnd));
            EXPECT_TRUE(ShownNormal(m_dlg, m_iconsBefore));
        }
    });
}

TEST_F(WindowHandling, ArrowKeysStopAtTheirBounds)
{
    // Sizes are absolute, or (fromWork) added to the work area's size.
    struct Case {
        int width;
        int height;
        bool fromWork;
        WPARAM key;
        bool changes;
    };
    const Case cases[] = {
        { 34, 34, false, VK_DOWN, true },  { 32, 32, false, VK_DOWN, false },
        { 40, 33, false, VK_DOWN, false }, { 33, 40, false, VK_DOWN, false },
        { 20, 20, false, VK_UP, true },    { -2, -2, true, VK_UP, true },
        { 0, 0, true, VK_UP, false },      { -100, -1, true, VK_UP, false },
        { -1, -100, true, VK_UP, false },  { 0, 0, true, VK_DOWN, true },
    };
    Run([&] {
        MONITORINFO mi{ sizeof mi, {}, {}, 0 };
        GetMonitorInfoA(MonitorFromWindow(m_dlg.m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
        const RECT& work = mi.rcWork;
        for (const Case& c : cases) {
            const int width = c.width + (c.fromWork ? work.right - work.left : 0);
            const int height = c.height + (c.fromWork ? work.bottom - work.top : 0);
            SCOPED_TRACE(testing::Message() << width << "x" << height << " key " << c.key);
            MoveWindow(m_dlg.m_hWnd, work.left + (work.right - work.left - width) / 2,
                       work.top + (work.bottom - work.top - height) / 2, width, height, TRUE);
            const RECT before = WindowRect(m_dlg.m_hWnd);
            ASSERT_EQ(before.right - before.left, width);
            ASSERT_EQ(before.bottom - before.top, height);
            PressKey(m_dlg, c.key);
            const int delta = c.changes ? (c.key == VK_UP ? 1 : -1) : 0;
            EXPECT_EQ(WindowRect(m_dlg.m_hWnd), Inflated(before, delta));
        }
    });
}

// What a thread timer sees of the popup menu while it is tracked: the timer
// still fires inside the menu's own loop.
struct TrackedMenu {
    HWND window;
    RECT rect;
    std::vector<std::pair<UINT, UINT>> items; // command (0: separator), state
} g_tracked;

void CALLBACK InspectTrackedMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND window = FindWindowA("#32768", nullptr);
    if (window == nullptr || !IsWindowVisible(window))
        return;
    KillTimer(nullptr, id);
    g_tracked.window = window;
    GetWindowRect(window, &g_tracked.rect);
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        g_tracked.items.emplace_back(GetMenuItemID(menu, i), GetMenuState(menu, i, MF_BYPOSITION));
    EndMenu();
}

TEST_F(WindowHandling, PopupMenuOpensAtThePointerWithMaximizeGrayed)
{
    const UINT off = MF_GRAYED | MF_DISABLED;
    const std::pair<UINT, UINT> expected[] = {
        { ID_MENU_MINIMIZE, 0 },     { ID_MENU_RESTORE, 0 }, { ID_MENU_MAXIMIZE, off },
        { 0, MF_SEPARATOR },         { ID_MENU_OPTIONS, 0 }, { ID_MENU_SAVE_OPTIONS, 0 },
        { ID_MENU_LOAD_OPTIONS, 0 }, { 0, MF_SEPARATOR },    { ID_MENU_EXIT, 0 },
    };
    g_tracked = TrackedMenu{};
    Run([&] {
        const RECT rect = WindowRect(m_dlg.m_hWnd);
        const POINT pointer{ rect.left + 40, rect.top + 50 };
        SetCursorPos(pointer.x, pointer.y);
        SetTimer(nullptr, 0, 20, &InspectTrackedMenu);
        // The press's own point is not where the menu goes.
        PostMessageA(m_dlg.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));
        ASSERT_TRUE(PumpUntil([] { return g_tracked.window != nullptr; }));
        EXPECT_EQ(g_tracked.rect.left, pointer.x);
        EXPECT_EQ(g_tracked.rect.top, pointer.y);
        ASSERT_EQ(g_tracked.items.size(), std::size(expected));
        for (size_t i = 0; i < std::size(expected); ++i) {
            EXPECT_EQ(g_tracked.items[i].first, expected[i].first) << i;
            // Wine reports separators grayed too; only their kind matters.
            const UINT mask = expected[i].first == 0 ? MF_SEPARATOR : off | MF_SEPARATOR;
            EXPECT_EQ(g_tracked.items[i].second & mask, expected[i].second) << i;
        }
        EXPECT_TRUE(PumpUntil([] { return !IsWindowVisible(g_tracked.window); }));
        EXPECT_TRUE(ShownNormal(m_dlg, m_iconsBefore));
    });
}

TEST_F(WindowHandling, MenuCommandsAndTheRectangleTheyLeave)
{
    enum class State { Normal, Maximised, InTray };
    struct Step {
        UINT command;
        State state;
    };
    const Step steps[] = {
        { ID_MENU_MAXIMIZE, State::Maximised }, { ID_MENU_RESTORE, State::Normal },
        { ID_MENU_MINIMIZE, State::InTray },    { ID_MENU_LOAD_OPTIONS, State::InTray },
        { ID_MENU_RESTORE, State::Normal },
    };
    Run([&] {
        const RECT normal = WindowRect(m_dlg.m_hWnd);
        for (const Step& step : steps) {
            SCOPED_TRACE(step.command);
            m_dlg.SendMessage(WM_COMMAND, step.command, 0);
            switch (step.state) {
            case State::Normal:
                EXPECT_TRUE(PumpUntil([&] { return ShownNormal(m_dlg, m_iconsBefore); }));
                EXPECT_EQ(WindowRect(m_dlg.m_hWnd), normal);
                break;
            case State::Maximised:
                EXPECT_TRUE(PumpUntil([&] { return IsZoomed(m_dlg.m_hWnd) != FALSE; }));
                EXPECT_EQ(TrayIconCount(), m_iconsBefore);
                break;
            case State::InTray:
                EXPECT_TRUE(PumpUntil([&] { return HiddenInTray(m_dlg, m_iconsBefore); }));
                break;
            }
            EXPECT_EQ(m_dlg.m_rcWindow, WindowRect(m_dlg.m_hWnd));
        }
        m_dlg.SendMessage(WM_COMMAND, ID_MENU_EXIT, 0);
        EXPECT_EQ(m_dlg.m_hWnd, nullptr);
    });
}

TEST_F(WindowHandling, IconComesBackWhenTheShellRestarts)
{
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    Run([&] {
        // Shown, the clock has no icon to bring back.
        PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
        PumpFor(200);
        EXPECT_TRUE(ShownNormal(m_dlg, m_iconsBefore));

        PressKey(m_dlg, VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return HiddenInTray(m_dlg, m_iconsBefore); }));
        // The shell's restart loses every icon.
        NOTIFYICONDATAA nid{};
        nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
        nid.hWnd = m_dlg.m_hWnd;
        Shell_NotifyIconA(NIM_DELETE, &nid);
        ASSERT_TRUE(PumpUntil([&] { return TrayIconCount() == m_iconsBefore; }));

        PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return HiddenInTray(m_dlg, m_iconsBefore); }));
    });
}

TEST_F(WindowHandling, StaysShownWhenTheIconCannotBeAdded)
{
    Run([&] {
        // An icon of the same window and id is there already, so the
        // clock's own cannot be added.
        NOTIFYICONDATAA nid{};
        nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
        nid.hWnd = m_dlg.m_hWnd;
        nid.uFlags = NIF_ICON;
        nid.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));

        PressKey(m_dlg, VK_ESCAPE);
        PumpFor(200);
        EXPECT_TRUE(IsWindowVisible(m_dlg.m_hWnd));
        EXPECT_FALSE(IsIconic(m_dlg.m_hWnd));
        Shell_NotifyIconA(NIM_DELETE, &nid);
    });
}

} // namespace
