// When a window in front hides the clock: one that covers the clock's whole
// monitor, unless it is the desktop, a taskbar, the clock's own or hidden.
#include "clockwnd/full_screen_rule.h"

#include <gtest/gtest.h>

namespace {

using clockwnd::ForegroundWindow;
using face::Box;

// A second monitor left of the primary, 1920 x 1080 each.
const Box kPrimary{ 0, 0, 1920, 1080 };
const Box kLeft{ -1920, 0, 0, 1080 };

TEST(FullScreenRule, AWindowThatCountsOverTheWholeMonitor)
{
    const ForegroundWindow film{ kPrimary, "MediaPlayerClassGw", true, false };
    // clang-format off
    const struct { ForegroundWindow window; Box monitor; bool hides; } cases[] = {
        { film, kPrimary, true },
        // Beyond every edge, as a game's window with its frame outside may be.
        { { { -8, -8, 1928, 1088 }, "Game", true, false }, kPrimary, true },
        // One pixel short of each edge in turn.
        { { { 1, 0, 1920, 1080 }, "Game", true, false }, kPrimary, false },
        { { { 0, 1, 1920, 1080 }, "Game", true, false }, kPrimary, false },
        { { { 0, 0, 1919, 1080 }, "Game", true, false }, kPrimary, false },
        { { { 0, 0, 1920, 1079 }, "Game", true, false }, kPrimary, false },
        // Full screen on the other monitor; then on the clock's, left of 0.
        { film, kLeft, false },
        { { kLeft, "Game", true, false }, kLeft, true },
        // A maximised window stops at the taskbar.
        { { { -8, -8, 1928, 1048 }, "Notepad", true, false }, kPrimary, false },
        { { kPrimary, "Progman", true, false }, kPrimary, false },
        { { kPrimary, "WorkerW", true, false }, kPrimary, false },
        { { kPrimary, "Shell_TrayWnd", true, false }, kPrimary, false },
        { { kPrimary, "Shell_SecondaryTrayWnd", true, false }, kPrimary, false },
        { { kPrimary, "#32769", true, false }, kPrimary, false },
        // A class merely like the shell's counts.
        { { kPrimary, "Progman2", true, false }, kPrimary, true },
        { { kPrimary, "Game", false, false }, kPrimary, false },
        { { kPrimary, "#32770", true, true }, kPrimary, false },
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(clockwnd::HidesClock(cases[i].window, cases[i].monitor), cases[i].hides)
            << "case " << i;
}

} // namespace
