// The clock window's life: creation, the first paint, the timer, later
// paints, a change of scale, and the two ways out.
#include "clock_test_support.h"

#include "framework/gdi.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

// DrawClock reads the time twice a frame; counting the reads counts the
// frames.
int g_timeReads = 0;
face::ClockTime CountedTime()
{
    ++g_timeReads;
    return { 0, true, 10, 8, 20 };
}

// Without zentim.ini nothing moves the window, and the first paint still
// clips it. Dragged onto a monitor of another scale, the clock takes the
// rectangle the system suggests and is clipped to the ellipse of its new
// size.
TEST(ClockWindow, StartsTopmostToolWindowCentredAndClipped)
{
    wintest::ScratchDir dir;
    CZentimDlg dlg;
    wintest::MessageBoxWatcher boxes(dlg);
    LONG exStyle = 0;
    RECT window{}, expected{}, rescaled{};
    bool clipped = false, clippedRescaled = false;
    wintest::RunClock(dlg, [&] {
        exStyle = GetWindowLongA(dlg.m_hWnd, GWL_EXSTYLE);
        GetWindowRect(dlg.m_hWnd, &window);
        expected = wintest::CentredTemplateRect(dlg.m_hWnd);
        EXPECT_EQ(dlg.m_rcWindow, window);
        clipped = wintest::IsClippedToClockEllipse(dlg.m_hWnd);

        RECT suggested{ 40, 60, 40 + 270, 60 + 255 };
        dlg.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(dlg.m_hWnd, &rescaled);
        clippedRescaled = wintest::IsClippedToClockEllipse(dlg.m_hWnd);
    });
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(window, expected);
    EXPECT_TRUE(clipped);
    EXPECT_EQ(dlg.m_strUpStr, "");
    EXPECT_EQ(dlg.m_strDownStr, "");
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_FALSE(wintest::SettingsFileState(dir).exists);

    EXPECT_EQ(rescaled, (RECT{ 40, 60, 310, 315 }));
    EXPECT_EQ(dlg.m_rcWindow, rescaled);
    EXPECT_TRUE(clippedRescaled);
}

// The load's message box runs a message loop inside the first paint; the
// paints and ticks it lets through must not start the one-time work again.
TEST(ClockWindow, FirstPaintWorkRunsOnceWhileLoadMessageIsOpen)
{
    wintest::ScratchDir dir;
    dir.Write("zentim.ini", "[Options]\r\nkuku_type=30\r\n");
    CZentimDlg dlg;
    dlg.SetTimeSource(&CountedTime);
    g_timeReads = 0;
    wintest::MessageBoxWatcher boxes(dlg);
    int paintsWhileOpen = 0;
    int framesWhileOpen = 0;
    bool invalidated = false;
    boxes.HoldOpenUntil([&] {
        if (invalidated && !GetUpdateRect(dlg.m_hWnd, nullptr, FALSE)) {
            ++paintsWhileOpen;
            invalidated = false;
        }
        if (!invalidated) {
            InvalidateRect(dlg.m_hWnd, nullptr, TRUE);
            invalidated = true;
        }
        framesWhileOpen = g_timeReads / 2;
        return paintsWhileOpen >= 3 && framesWhileOpen >= 1;
    });
    bool clipped = false;
    wintest::RunClock(dlg, [&] { clipped = wintest::IsClippedToClockEllipse(dlg.m_hWnd); });

    EXPECT_GE(paintsWhileOpen, 3);
    EXPECT_GE(framesWhileOpen, 1);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(
        boxes.Boxes()[0].text,
        "Can`t load KukuSound file!\nCan`t load UpString text!\nCan`t load BottomString text!\n");
    EXPECT_TRUE(clipped);
}

// Only timer 0 draws the face; later paints neither reload the settings
// nor draw nor clip.
TEST(ClockWindow, OnlyTimerZeroDrawsAndLaterPaintsDoNothingOfTheFirst)
{
    wintest::ScratchDir dir;
    dir.Write("zentim.ini", "[Options]\r\nkuku_type=30\r\nkuku_sound=\"\"\r\nup_str=\"Office\"\r\n"
                            "down_str=\"\"\r\n");
    CZentimDlg dlg;
    dlg.SetTimeSource(&CountedTime);
    wintest::MessageBoxWatcher boxes(dlg);
    bool regionKept = false;
    int framesPainted = -1;
    wintest::RunClock(dlg, [&] {
        for (const UINT_PTR id : { 1, 0xC0DE, 0 }) {
            const int before = g_timeReads;
            dlg.SendMessage(WM_TIMER, id, 0);
            EXPECT_EQ((g_timeReads - before) / 2, id == 0 ? 1 : 0) << "timer " << id;
        }
        // A reload would now change the settings and complain.
        dir.Write("zentim.ini", "[Options]\r\nkuku_type=5\r\n");
        const CRgn own(CreateRectRgn(0, 0, 50, 50));
        SetWindowRgn(dlg.m_hWnd, CreateRectRgn(0, 0, 50, 50), FALSE);
        const int before = g_timeReads;
        for (int i = 0; i < 3; ++i)
            RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        framesPainted = (g_timeReads - before) / 2;
        const CRgn now(CreateRectRgn(0, 0, 0, 0));
        regionKept = GetWindowRgn(dlg.m_hWnd, now) != ERROR && wintest::IsSameArea(now, own);
    });
    EXPECT_EQ(framesPainted, 0);
    EXPECT_TRUE(regionKept);
    EXPECT_EQ(dlg.m_nKukuType, 30);
    EXPECT_EQ(dlg.m_strUpStr, "Office");
    EXPECT_TRUE(boxes.Boxes().empty());
}

// Both ways out end the modal run and write no settings file.
TEST(ClockWindow, ExitAndCloseEndTheRunWithoutWriting)
{
    const struct {
        UINT message;
        WPARAM wParam;
        INT_PTR result;
    } ways[] = { { WM_COMMAND, ID_MENU_EXIT, -1 }, { WM_CLOSE, 0, IDCANCEL } };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.message);
        wintest::ScratchDir dir;
        CZentimDlg dlg;
        bool ended = false;
        const INT_PTR result = wintest::RunClock(dlg, [&] {
            dlg.SendMessage(way.message, way.wParam, 0);
            ended = wintest::PumpUntil(
                [&] { return dlg.m_hWnd == nullptr || !IsWindowVisible(dlg.m_hWnd); });
        });
        EXPECT_TRUE(ended);
        EXPECT_EQ(result, way.result);
        EXPECT_FALSE(wintest::SettingsFileState(dir).exists);
    }
}

} // namespace
