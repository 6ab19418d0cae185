// The clock window's life: the window it makes, the settings file applied
// at the first paint, the timer, later paints, a change of scale, the ways
// out.
#include "support.h"

#include "framework/gdi.h"
#include "res/resource.h"

namespace {

using namespace wintest;

// Only drawing a frame and arming the timer read the time: counting the
// reads tells whether the face was drawn.
class ClockWindow : public ClockTest {
protected:
    ClockWindow()
    {
        m_clock.SetTimeSource([this] {
            ++m_timeReads;
            return face::ClockTime{ 0, true, 10, 8, 20, 0 };
        });
    }
    int m_timeReads = 0;
};

// Tells the clock, as Windows does while the window moves onto a monitor of
// another scale, to take a rescaled size.
HWND g_clock = nullptr;
bool g_rescaled = false;
LRESULT CALLBACK RescaleOnMove(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_clock && call->message == WM_WINDOWPOSCHANGED &&
        !g_rescaled) {
        g_rescaled = true;
        RECT suggested{ 100, 200, 550, 650 };
        SendMessageA(g_clock, WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Without zentim.ini nothing moves the window, and the first paint still
// clips it. On a monitor of another scale it takes the size the system
// suggests and is clipped anew.
TEST_F(ClockWindow, StartsTopmostToolWindowCentredAndClipped)
{
    RECT centred{ 0, 0, 119, 113 }, suggested{ 40, 60, 310, 315 };
    Run([&] {
        EXPECT_EQ(GetWindowLongA(m_clock.m_hWnd, GWL_EXSTYLE) &
                      (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
                  WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
        MapDialogRect(m_clock.m_hWnd, &centred);
        MONITORINFO mi{ sizeof mi, {}, {}, 0 };
        GetMonitorInfoA(MonitorFromWindow(m_clock.m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
        OffsetRect(&centred, (mi.rcWork.right + mi.rcWork.left - centred.right) / 2,
                   (mi.rcWork.bottom + mi.rcWork.top - centred.bottom) / 2);
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), centred);
        EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd));

        m_clock.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), suggested);
        EXPECT_EQ(m_clock.m_rcWindow, suggested);
        EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd));
    });
    EXPECT_EQ(m_clock.m_settings, settings::ClockSettings{});
    EXPECT_TRUE(m_boxes.empty());
}

// A load to another size clips the window to the new ellipse. Moved by a
// load onto a monitor of another scale, the window keeps the saved
// rectangle: the size would otherwise grow at every start.
TEST_F(ClockWindow, LoadedRectangleIsClippedAndKeptWhateverTheScale)
{
    Run([&] {
        Write("zentim.ini", "[MainWindow]\r\nsize=\"100,400,200,500\"\r\n");
        g_clock = m_clock.m_hWnd;
        const HHOOK hook =
            SetWindowsHookExA(WH_CALLWNDPROC, &RescaleOnMove, nullptr, GetCurrentThreadId());
        m_clock.SendMessage(WM_COMMAND, ID_MENU_LOAD_OPTIONS, 0);
        UnhookWindowsHookEx(hook);
        EXPECT_TRUE(g_rescaled);
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), (RECT{ 100, 200, 400, 500 }));
        EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd));
        // Saved on a monitor that is gone: on the nearest one.
        Write("zentim.ini", "[MainWindow]\r\nsize=\"30000,30240,20000,20240\"\r\n");
        m_clock.SendMessage(WM_COMMAND, ID_MENU_LOAD_OPTIONS, 0);
        MONITORINFO mi{ sizeof mi, {}, {}, 0 };
        GetMonitorInfoA(MonitorFromWindow(m_clock.m_hWnd, MONITOR_DEFAULTTONULL), &mi);
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), (RECT{ mi.rcWork.right - 240, mi.rcWork.bottom - 240,
                                                     mi.rcWork.right, mi.rcWork.bottom }));
    });
}

// Whether a spot of the dial, clear of hands and texts at 10:08:20, shows
// the face's black after the window lost its pixels and was painted again.
bool PaintShowsTheFace(HWND wnd)
{
    const RECT r = WindowRect(wnd);
    const RECT all{ 0, 0, r.right - r.left, r.bottom - r.top };
    HDC dc = GetDC(wnd);
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    ReleaseDC(wnd, dc);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    dc = GetDC(wnd);
    const COLORREF spot = GetPixel(dc, (r.right - r.left) * 17 / 20, (r.bottom - r.top) / 2);
    ReleaseDC(wnd, dc);
    return spot == RGB(0, 0, 0);
}

// What the clock is like the moment its window is first shown.
struct FirstShown {
    HWND clock;
    RECT window;
    bool clipped;
} g_shown;
LRESULT CALLBACK RecordFirstShow(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char name[8] = "";
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam && !g_shown.clock &&
        GetClassNameA(call->hwnd, name, sizeof name) && lstrcmpA(name, "#32770") == 0)
        g_shown = { call->hwnd, WindowRect(call->hwnd), IsClippedToClockEllipse(call->hwnd) };
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Before the window is first seen, the file is applied: the saved place,
// round, the settings, a frame drawn, and one box that lists what was
// missing. The box's own loop lets ticks through: none may start this work
// again.
TEST_F(ClockWindow, FirstShownAtItsSavedPlaceWithTheFileApplied)
{
    Write("zentim.ini", "[MainWindow]\r\nsize=\"100,340,200,440\"\r\n[Options]\r\n"
                        "kuku_type=30\r\nup_str=\"Office\"\r\n");
    int readsWhileOpen = 0;
    m_clock.SetMessageBoxShower([&](HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
        m_boxes.push_back({ text, caption, type });
        // As a real box does, it disables its owner while it is open.
        EnableWindow(owner, FALSE);
        const int before = m_timeReads;
        PumpUntil([&] { return m_timeReads > before; });
        readsWhileOpen = m_timeReads - before;
        EnableWindow(owner, TRUE);
        return IDOK;
    });
    g_shown = {};
    const HHOOK hook =
        SetWindowsHookExA(WH_CALLWNDPROC, &RecordFirstShow, nullptr, GetCurrentThreadId());
    int readsAtShow = 0;
    Run([&] {
        UnhookWindowsHookEx(hook);
        readsAtShow = m_timeReads;
        KillTimer(m_clock.m_hWnd, 0);
        EXPECT_TRUE(PaintShowsTheFace(m_clock.m_hWnd));
    });
    EXPECT_EQ(g_shown.window, (RECT{ 100, 200, 340, 440 }));
    EXPECT_TRUE(g_shown.clipped);
    EXPECT_GE(readsAtShow, 2) << "no frame drawn before the window was shown";
    EXPECT_EQ(m_clock.m_settings.m_nKukuType, 30);
    EXPECT_EQ(m_clock.m_settings.m_strUpStr, "Office");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Can`t load KukuSound file!\nCan`t load BottomString text!\n");
    EXPECT_EQ(m_boxes[0].caption, "Load Options");
    EXPECT_EQ(m_boxes[0].type, UINT(MB_OK | MB_ICONERROR));
    EXPECT_GT(readsWhileOpen, 0) << "the clock stopped ticking while the box was open";
}

// Only timer 0 draws a new frame. A paint shows the kept face, drawing it
// anew only for a new size, without reading the time, reloading or
// clipping; the ticks are stopped, so only the paints can show it.
TEST_F(ClockWindow, PaintsShowTheKeptFaceAndOnlyTimerZeroDrawsANewOne)
{
    Write("zentim.ini", "[Options]\r\nkuku_type=30\r\n");
    Run([&] {
        for (const UINT_PTR id : { 1, 0xC0DE, 0 }) {
            const int before = m_timeReads;
            m_clock.SendMessage(WM_TIMER, id, 0);
            EXPECT_EQ(m_timeReads > before, id == 0) << "timer " << id;
        }
        KillTimer(m_clock.m_hWnd, 0);
        Write("zentim.ini", "[Options]\r\nkuku_type=5\r\n");
        const CRgn own(CreateRectRgn(0, 0, 500, 500)), now(CreateRectRgn(0, 0, 0, 0));
        SetWindowRgn(m_clock.m_hWnd, CreateRectRgn(0, 0, 500, 500), FALSE);
        const int before = m_timeReads;
        EXPECT_TRUE(PaintShowsTheFace(m_clock.m_hWnd));
        EXPECT_TRUE(GetWindowRgn(m_clock.m_hWnd, now) != ERROR && IsSameArea(now, own));
        const RECT r = WindowRect(m_clock.m_hWnd);
        MoveWindow(m_clock.m_hWnd, r.left, r.top, r.right - r.left + 80, r.bottom - r.top + 80,
                   TRUE);
        EXPECT_TRUE(PaintShowsTheFace(m_clock.m_hWnd)) << "at a new size";
        EXPECT_EQ(m_timeReads, before);
    });
    EXPECT_EQ(m_clock.m_settings.m_nKukuType, 30);
}

// Both end the modal run, and neither writes a settings file.
TEST_F(ClockWindow, ExitAndCloseEndTheRunWithoutWriting)
{
    EXPECT_EQ(Run([&] { m_clock.SendMessage(WM_COMMAND, ID_MENU_EXIT, 0); }), -1);
    EXPECT_EQ(Run([&] {
                  m_clock.SendMessage(WM_CLOSE, 0, 0);
                  PumpUntil([&] { return !IsWindowVisible(m_clock.m_hWnd); });
              }),
              IDCANCEL);
    EXPECT_EQ(Read("zentim.ini"), "");
}

} // namespace
