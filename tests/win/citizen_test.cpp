// The clock as a good citizen of the desktop, on real windows: out of the
// way of a full-screen program, back on screen when the monitors change,
// its name for screen readers, its menu from the keyboard, and the
// system's colours under high contrast.
#include "support.h"

#include "face/face_geometry.h"
#include "framework/text.h"
#include "res/resource.h"

#include <algorithm>
#include <optional>

namespace {

using namespace wintest;

std::vector<std::string> g_sounds;
BOOL WINAPI RecordSound(LPCWSTR sound, HMODULE, DWORD)
{
    g_sounds.push_back(sound == nullptr ? "stop" : Narrow(sound));
    return TRUE;
}

MONITORINFO MonitorOf(HWND window)
{
    MONITORINFO info{ sizeof info, {}, {}, 0 };
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

// Wine 8 raises none of the events that follow the window in front (only
// EVENT_OBJECT_CREATE): the tests raise them where Windows does.
void Tell(DWORD event, HWND window) { NotifyWinEvent(event, window, OBJID_WINDOW, CHILDID_SELF); }

// The clock's tick looks at the window in front too; stopped, it leaves
// the events alone to show.
void StopTicks(HWND clock) { KillTimer(clock, 0); }

HWND CoverMonitorOf(HWND clock)
{
    const RECT monitor = MonitorOf(clock).rcMonitor;
    const HWND window = CreateWindowExA(0, "Static", "full screen", WS_POPUP | WS_VISIBLE,
                                        monitor.left, monitor.top, monitor.right - monitor.left,
                                        monitor.bottom - monitor.top, nullptr, nullptr, nullptr,
                                        nullptr);
    SetForegroundWindow(window);
    return window;
}

void Key(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void Press(WORD key)
{
    Key(key, false);
    Key(key, true);
}

class Citizen : public ClockTest {
protected:
    Citizen()
    {
        g_sounds.clear();
        m_clock.SetPlaySound(&RecordSound);
    }
    bool Shown() const { return IsWindowVisible(m_clock.m_hWnd) && !IsIconic(m_clock.m_hWnd); }
    // Sizes and shows of the clock while it should stay out of sight.
    std::vector<UINT> m_changes;
    const int m_icons = TrayIcons();
};

// A popup over the whole monitor in front hides the clock, not into the
// notification area and without a save; the clock comes back where it
// stood when the popup leaves full screen, hides again when it returns,
// and comes back when it goes. A chime meanwhile sounds without showing
// the clock. With the setting off nothing hides it; a clock in the
// notification area stays there.
TEST_F(Citizen, AFullScreenProgramInFrontHidesTheClockUntilItGoes)
{
    Run([&] {
        StopTicks(m_clock.m_hWnd);
        const RECT placed = WindowRect(m_clock.m_hWnd);
        const RECT monitor = MonitorOf(m_clock.m_hWnd).rcMonitor;
        const auto fullScreen = [&] {
            const HWND window = CoverMonitorOf(m_clock.m_hWnd);
            Tell(EVENT_SYSTEM_FOREGROUND, window);
            return window;
        };
        const HWND film = fullScreen();
        ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(m_clock.m_hWnd); }))
            << "the clock stayed over the film";
        EXPECT_FALSE(IsIconic(m_clock.m_hWnd));
        EXPECT_EQ(TrayIcons(), m_icons) << "hidden into the notification area";

        Change([](settings::ClockSettings& values) {
            values.m_nKukuType = 15;
            values.m_nKukuFlashCount = 2;
            values.m_strKukuSound = "kuku.wav";
        });
        {
            SentMessages watch([&](const CWPSTRUCT& call) {
                if (call.hwnd == m_clock.m_hWnd &&
                    (call.message == WM_SIZE || call.message == WM_SHOWWINDOW))
                    m_changes.push_back(call.message);
            });
            m_time = { 1700000100, true, 10, 15, 0, 0 };
            m_clock.SendMessage(WM_TIMER, 0, 0);
            StopTicks(m_clock.m_hWnd);
            PumpUntil([] { return !g_sounds.empty(); }, 2000);
            Settle();
        }
        EXPECT_EQ(g_sounds, std::vector<std::string>{ "kuku.wav" });
        EXPECT_TRUE(m_changes.empty()) << "the chime showed the clock over the film";
        EXPECT_FALSE(IsWindowVisible(m_clock.m_hWnd));

        SetWindowPos(film, nullptr, 100, 100, 300, 200, SWP_NOZORDER);
        Tell(EVENT_OBJECT_LOCATIONCHANGE, film);
        ASSERT_TRUE(PumpUntil([&] { return Shown(); }))
            << "not back when the film left full screen";
        Settle();
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), placed);
        SetWindowPos(film, nullptr, monitor.left, monitor.top, monitor.right - monitor.left,
                     monitor.bottom - monitor.top, SWP_NOZORDER);
        Tell(EVENT_OBJECT_LOCATIONCHANGE, film);
        ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(m_clock.m_hWnd); }))
            << "not hidden when the film went full screen again";
        DestroyWindow(film);
        Tell(EVENT_OBJECT_DESTROY, film);
        ASSERT_TRUE(PumpUntil([&] { return Shown(); })) << "not back when the film went";
        Settle();
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), placed);
        EXPECT_EQ(TrayIcons(), m_icons);

        Change([](settings::ClockSettings& values) { values.m_bHideFullScreen = false; });
        const HWND game = fullScreen();
        PumpFor(300);
        EXPECT_TRUE(Shown()) << "hidden with the setting off";
        DestroyWindow(game);

        Change([](settings::ClockSettings& values) { values.m_bHideFullScreen = true; });
        m_clock.ShowWindow(SW_MINIMIZE);
        ASSERT_TRUE(PumpUntil([&] { return TrayIcons() == m_icons + 1; }));
        const HWND show = fullScreen();
        PumpFor(300);
        DestroyWindow(show);
        Tell(EVENT_OBJECT_DESTROY, show);
        PumpFor(300);
        EXPECT_FALSE(IsWindowVisible(m_clock.m_hWnd)) << "brought out of the notification area";
    });
    EXPECT_EQ(Read("zentim.ini"), "");
}

// Where no event comes, the clock's next tick hides it and, the full-screen
// window gone, shows it again.
TEST_F(Citizen, WithoutEventsTheTickHidesTheClock)
{
    Run([&] {
        StopTicks(m_clock.m_hWnd);
        const HWND film = CoverMonitorOf(m_clock.m_hWnd);
        PumpFor(300);
        if (!Shown())
            GTEST_SKIP() << "the system raised the events: the tick has nothing to show";
        m_clock.SendMessage(WM_TIMER, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(m_clock.m_hWnd); }))
            << "the tick left the clock over the film";
        StopTicks(m_clock.m_hWnd);
        DestroyWindow(film);
        m_clock.SendMessage(WM_TIMER, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return Shown(); })) << "the tick left the clock hidden";
    });
}

// Moved off every monitor, the clock comes back whole to the nearest on a
// change of the displays; half under the taskbar, on a change of the work
// area. A clock inside the work area stays, and the file keeps its place.
TEST_F(Citizen, AClockOffTheScreensComesBackWhenTheyChange)
{
    const std::string file = "[MainWindow]\r\nsize=\"100,340,200,440\"\r\n";
    Write("zentim.ini", file);
    Run([&] {
        const RECT work = MonitorOf(m_clock.m_hWnd).rcWork;
        m_clock.SendMessage(WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768));
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), (RECT{ 100, 200, 340, 440 }));
        m_clock.MoveWindow(30000, 20000, 240, 240);
        m_clock.SendMessage(WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768));
        EXPECT_EQ(WindowRect(m_clock.m_hWnd),
                  (RECT{ work.right - 240, work.bottom - 240, work.right, work.bottom }));
        m_clock.MoveWindow(200, work.bottom - 100, 240, 240);
        m_clock.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), (RECT{ 200, work.bottom - 240, 440, work.bottom }));
    });
    EXPECT_EQ(Read("zentim.ini"), file);
}

// The window's text is the clock's time and date in words, in its zone,
// set anew when the minute changes and not at the ticks between; screen
// readers are told of each new name once.
std::vector<HWND> g_renamed;
void CALLBACK Renamed(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD)
{
    if (object == OBJID_WINDOW)
        g_renamed.push_back(window);
}

std::string WindowText(HWND window)
{
    wchar_t text[256] = L"";
    return Narrow(text, GetWindowTextW(window, text, 256));
}

TEST_F(Citizen, TheWindowsNameSaysTheTimeAndDateOncePerMinute)
{
    // Monday 7 December 2026, 07:45:09.
    m_time = { 1796629509, true, 7, 45, 9, 0, 2026, 12, 7, 1 };
    Run([&] {
        EXPECT_EQ(WindowText(m_clock.m_hWnd), "Zentim, 07:45, Monday 7 December");
        g_renamed.clear();
        const HWINEVENTHOOK hook =
            SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &Renamed,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        for (const int second : { 10, 11, 59 }) {
            m_time.second = second;
            m_clock.SendMessage(WM_TIMER, 0, 0);
        }
        PumpFor(100);
        EXPECT_EQ(g_renamed, std::vector<HWND>{}) << "renamed within the minute";
        m_time.seconds += 51, m_time.minute = 46, m_time.second = 0;
        m_clock.SendMessage(WM_TIMER, 0, 0);
        PumpFor(100);
        EXPECT_EQ(WindowText(m_clock.m_hWnd), "Zentim, 07:46, Monday 7 December");
        EXPECT_EQ(g_renamed, std::vector<HWND>{ m_clock.m_hWnd });
        UnhookWinEvent(hook);
    });
}

// Shift+F10 and the menu key open the clock's menu at its centre, and the
// menu is worked by keys: Down to its first item, Minimize, and Enter.
TEST_F(Citizen, TheMenuOpensFromTheKeyboardAtTheClocksCentre)
{
    Run([&] {
        const RECT clock = WindowRect(m_clock.m_hWnd);
        for (const bool menuKey : { false, true }) {
            RECT menuAt{};
            WhenShown(
                "",
                [&](HWND menu) {
                    menuAt = WindowRect(menu);
                    Press(VK_DOWN);
                    Press(VK_RETURN);
                },
                "#32768");
            SetForegroundWindow(m_clock.m_hWnd);
            SetFocus(m_clock.m_hWnd);
            Settle();
            if (menuKey) {
                Press(VK_APPS);
            } else {
                Key(VK_SHIFT, false);
                Press(VK_F10);
                Key(VK_SHIFT, true);
            }
            ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(m_clock.m_hWnd); }))
                << (menuKey ? "the menu key" : "Shift+F10") << ": Minimize not chosen";
            EXPECT_EQ(menuAt.left * 10000 + menuAt.top,
                      (clock.left + clock.right) / 2 * 10000 + (clock.top + clock.bottom) / 2);
            m_clock.SendMessage(WM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN);
            ASSERT_TRUE(PumpUntil([&] { return Shown(); }));
        }
    });
}

// Under high contrast the dial takes the system's window colour and the
// second hand its highlight, at once; back to the file's when it is turned
// off. Save writes the file's colours all the while.
TEST_F(Citizen, HighContrastShowsTheSystemsColoursAndSaveKeepsTheFiles)
{
    bool highContrast = false;
    m_clock.SetHighContrastSource([&] { return highContrast; });
    Run([&] {
        const RECT r = WindowRect(m_clock.m_hWnd);
        const int width = r.right - r.left, height = r.bottom - r.top;
        const face::FaceGeometry g = face::ComputeFaceGeometry(width, height, 10, 8, 20);
        const face::Line second = *g.secondHand;
        const auto pixel = [&](int x, int y) {
            const HDC dc = GetDC(m_clock.m_hWnd);
            const COLORREF colour = GetPixel(dc, x, y);
            ReleaseDC(m_clock.m_hWnd, dc);
            return colour;
        };
        const auto dial = [&] { return pixel(width * 17 / 20, height / 2); };
        const auto secondHand = [&] {
            return pixel((second.from.x + second.to.x) / 2, (second.from.y + second.to.y) / 2);
        };
        EXPECT_EQ(dial(), RGB(0, 0, 0));
        highContrast = true;
        m_clock.SendMessage(WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        EXPECT_EQ(dial(), GetSysColor(COLOR_WINDOW));
        EXPECT_EQ(secondHand(), GetSysColor(COLOR_HIGHLIGHT));
        m_clock.SaveOptions();
        highContrast = false;
        m_clock.SendMessage(WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(dial(), RGB(0, 0, 0));
        EXPECT_EQ(secondHand(), RGB(255, 0, 0));
    });
    EXPECT_NE(Read("zentim.ini")
                  .find("color_background=\"0,0,0\"\r\ncolor_arrows=\"255,255,255\"\r\n"
                        "color_second_arrow=\"255,0,0\"\r\n"),
              std::string::npos);
}

} // namespace
