// The clock window's life: the window it makes, the settings file applied
// before it is first shown, loads, paints, the timer, the ways out.
#include "support.h"

#include "framework/gdi.h"
#include "res/resource.h"

namespace {

using namespace wintest;
using ClockWindow = ClockTest;

// Whether the window shows the face's black at a spot of the dial clear of
// hands and texts at 10:08:20, after it lost its pixels and was painted.
bool PaintShowsTheFace(HWND wnd)
{
    const RECT r = WindowRect(wnd), all{ 0, 0, r.right - r.left, r.bottom - r.top };
    HDC dc = GetDC(wnd);
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    ReleaseDC(wnd, dc);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    dc = GetDC(wnd);
    const COLORREF spot = GetPixel(dc, all.right * 17 / 20, all.bottom / 2);
    ReleaseDC(wnd, dc);
    return spot == 0;
}

// Without zentim.ini the window stays centred, and is still clipped. On a
// monitor of another scale it takes the size the system suggests. Exit and
// a close request end the run; neither writes a file.
TEST_F(ClockWindow, StartsTopmostToolWindowCentredAndClipped)
{
    RECT centred{ 0, 0, 119, 113 }, suggested{ 40, 60, 310, 315 };
    EXPECT_EQ(Run([&] {
                  EXPECT_EQ(GetWindowLongA(m_clock.m_hWnd, GWL_EXSTYLE) &
                                (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
                            WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
                  MapDialogRect(m_clock.m_hWnd, &centred);
                  MONITORINFO mi{ sizeof mi, {}, {}, 0 };
                  GetMonitorInfoA(MonitorFromWindow(m_clock.m_hWnd, 0), &mi);
                  OffsetRect(&centred, (mi.rcWork.right + mi.rcWork.left - centred.right) / 2,
                             (mi.rcWork.bottom + mi.rcWork.top - centred.bottom) / 2);
                  EXPECT_EQ(WindowRect(m_clock.m_hWnd), centred);
                  EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd));
                  m_clock.SendMessage(WM_DPICHANGED, 0, LPARAM(&suggested));
                  EXPECT_EQ(m_clock.m_rcWindow, suggested);
                  EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd));
                  m_clock.SendMessage(WM_COMMAND, ID_MENU_EXIT, 0);
              }),
              -1);
    EXPECT_EQ(Run([&] {
                  m_clock.SendMessage(WM_CLOSE, 0, 0);
                  PumpUntil([&] { return !IsWindowVisible(m_clock.m_hWnd); });
              }),
              IDCANCEL);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(Read("zentim.ini"), "");
}

// Started on a folder by a relative name, the clock keeps its full path, as
// the start with the system must name it; on what is no folder, it takes
// the current folder, as when started on none.
TEST_F(ClockWindow, SettingsFolderIsAFullPath)
{
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    Write("file", "");
    for (const std::string startedOn : { "sub", "file", "missing" }) {
        m_clock.m_strSettingsFolder = startedOn;
        Run([] {});
        EXPECT_EQ(m_clock.m_strSettingsFolder + "\\", Path(startedOn == "sub" ? "sub\\" : ""))
            << startedOn;
    }
}

// Before the window is first seen the file is applied: the saved place,
// round, the settings, a frame drawn, one box listing what was missing.
// The box's own loop lets ticks through; none starts this work again.
TEST_F(ClockWindow, FirstShownAtItsSavedPlaceWithTheFileApplied)
{
    Write("zentim.ini", "[MainWindow]\r\nsize=\"100,340,200,440\"\r\n[Options]\r\n"
                        "kuku_type=30\r\nup_str=\"Office\"\r\n");
    int readsWhileOpen = 0, readsAfterBox = 0, readsAtShow = -1;
    m_clock.SetMessageBoxShower(
        [&](HWND owner, const std::string& text, const std::string& caption, UINT type) {
            m_boxes.push_back({ text, caption, type });
            EnableWindow(owner, FALSE); // as a real box does
            const int before = m_timeReads;
            PumpUntil([&] { return m_timeReads > before; });
            readsWhileOpen = m_timeReads - before;
            readsAfterBox = m_timeReads;
            EnableWindow(owner, TRUE);
            return IDOK;
        });
    RECT shownAt{};
    bool clipped = false;
    SentMessages watch([&](const CWPSTRUCT& call) {
        if (call.message == WM_SHOWWINDOW && call.wParam && call.hwnd == m_clock.m_hWnd &&
            readsAtShow < 0) {
            shownAt = WindowRect(call.hwnd);
            clipped = IsClippedToClockEllipse(call.hwnd);
            readsAtShow = m_timeReads;
        }
    });
    Run([] {});
    EXPECT_EQ(shownAt, (RECT{ 100, 200, 340, 440 }));
    EXPECT_TRUE(clipped);
    EXPECT_GT(readsAtShow, readsAfterBox)
        << "no frame of the loaded file before the window was shown";
    EXPECT_EQ(m_clock.Settings().m_nKukuType, 30);
    EXPECT_EQ(m_clock.Settings().m_strUpStr, "Office");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Can`t load KukuSound file!\nCan`t load BottomString text!\n");
    EXPECT_EQ(m_boxes[0].caption, "Load Options");
    EXPECT_EQ(m_boxes[0].type, UINT(MB_OK | MB_ICONERROR));
    EXPECT_GT(readsWhileOpen, 0) << "the clock stopped ticking while the box was open";
}

// A load to another size clips the window anew and keeps the saved
// rectangle even when a change of scale is announced on the way: the size
// would grow at every start. Saved on a monitor that is gone, the clock
// comes to the nearest.
TEST_F(ClockWindow, LoadedRectangleIsClippedAndKeptWhateverTheScale)
{
    Run([&] {
        Write("zentim.ini", "[MainWindow]\r\nsize=\"100,400,200,500\"\r\n");
        bool rescaled = false;
        {
            SentMessages watch([&](const CWPSTRUCT& call) {
                RECT suggested{ 100, 200, 550, 650 };
                if (call.message == WM_WINDOWPOSCHANGED && call.hwnd == m_clock.m_hWnd &&
                    !rescaled) {
                    rescaled = true;
                    m_clock.SendMessage(WM_DPICHANGED, 0, LPARAM(&suggested));
                }
            });
            m_clock.SendMessage(WM_COMMAND, ID_MENU_LOAD_OPTIONS, 0);
        }
        EXPECT_TRUE(rescaled);
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), (RECT{ 100, 200, 400, 500 }));
        EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd));
        Write("zentim.ini", "[MainWindow]\r\nsize=\"30000,30240,20000,20240\"\r\n");
        m_clock.SendMessage(WM_COMMAND, ID_MENU_LOAD_OPTIONS, 0);
        MONITORINFO mi{ sizeof mi, {}, {}, 0 };
        GetMonitorInfoA(MonitorFromWindow(m_clock.m_hWnd, 0), &mi);
        EXPECT_EQ(WindowRect(m_clock.m_hWnd), (RECT{ mi.rcWork.right - 240, mi.rcWork.bottom - 240,
                                                     mi.rcWork.right, mi.rcWork.bottom }));
    });
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
        // A change of the time or the zone shows at once.
        for (const UINT message : { WM_TIMECHANGE, WM_SETTINGCHANGE }) {
            const int before = m_timeReads;
            m_clock.SendMessage(message, 0, 0);
            EXPECT_GT(m_timeReads, before) << message;
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
    EXPECT_EQ(m_clock.Settings().m_nKukuType, 30);
}

} // namespace
