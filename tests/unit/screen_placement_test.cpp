// Where the clock goes on the monitors there are: a saved rectangle at load,
// and the clock when the monitors or their work areas change.
#include "clockwnd/screen_placement.h"

#include <gtest/gtest.h>

namespace {

using clockwnd::MonitorAreas;
using settings::ScreenRect;

// The primary 1920 x 1080 with its taskbar at the bottom, and a 1280 x 1024
// monitor to its right whose taskbar is at the top.
const MonitorAreas kPrimary{ { 0, 0, 1920, 1080 }, { 0, 0, 1920, 1040 } };
const MonitorAreas kRight{ { 1920, 0, 3200, 1024 }, { 1920, 40, 3200, 1024 } };
const std::vector<MonitorAreas> kTwo{ kPrimary, kRight };

// Most of it on a monitor wins; off all of them, the closest; the first of
// equals.
TEST(ScreenPlacement, NearestMonitor)
{
    const std::pair<ScreenRect, std::size_t> cases[] = {
        { { 100, 100, 340, 340 }, 0 },     { { 1800, 100, 2040, 340 }, 0 },
        { { 1790, 100, 2030, 340 }, 0 },   { { 1810, 100, 2050, 340 }, 1 },
        { { 4000, 500, 4240, 740 }, 1 },   { { -500, 500, -260, 740 }, 0 },
        { { 3000, 1100, 3240, 1340 }, 1 }, { { 1800, 1100, 2040, 1340 }, 0 },
    };
    for (const auto& [rect, nearest] : cases)
        EXPECT_EQ(clockwnd::NearestMonitor(rect, kTwo), nearest) << rect.left << "," << rect.top;
}

// At load a rectangle stays as saved while any of it is on a monitor, even
// over a taskbar or across an edge; off every one it comes whole into the
// nearest work area.
TEST(ScreenPlacement, SavedRectangleIsMovedOnlyFromOffEveryMonitor)
{
    const std::pair<ScreenRect, ScreenRect> cases[] = {
        { { 100, 900, 340, 1140 }, { 100, 900, 340, 1140 } },
        { { -200, 100, 40, 340 }, { -200, 100, 40, 340 } },
        { { 30000, 20000, 30240, 20240 }, { 2960, 784, 3200, 1024 } },
        { { -900, -900, -660, -660 }, { 0, 0, 240, 240 } },
        { { 2000, 1100, 2240, 1340 }, { 2000, 784, 2240, 1024 } },
    };
    for (const auto& [saved, placed] : cases)
        EXPECT_EQ(clockwnd::PlaceSavedRect(saved, kTwo), placed) << saved.left << "," << saved.top;
}

// After a change the clock that is not wholly inside some work area comes
// whole into the nearest one; one that is stays put.
TEST(ScreenPlacement, AClockNoLongerInsideAWorkAreaComesBackWhole)
{
    const std::optional<ScreenRect> stays;
    // clang-format off
    const struct { std::vector<MonitorAreas> monitors; ScreenRect clock; std::optional<ScreenRect> to; } cases[] = {
        { kTwo, { 100, 100, 340, 340 }, stays },
        { kTwo, { 2960, 40, 3200, 280 }, stays },
        // The right monitor is gone: to the primary's right edge.
        { { kPrimary }, { 2500, 100, 2740, 340 }, ScreenRect{ 1680, 100, 1920, 340 } },
        // Under the new taskbar of the primary.
        { { kPrimary }, { 100, 900, 340, 1140 }, ScreenRect{ 100, 800, 340, 1040 } },
        // Across the two monitors: into the one with more of it.
        { kTwo, { 1800, 100, 2040, 340 }, ScreenRect{ 1680, 100, 1920, 340 } },
        // Over the right one's taskbar at its top.
        { kTwo, { 2500, 0, 2740, 240 }, ScreenRect{ 2500, 40, 2740, 280 } },
        // Larger than the work area: its top-left corner shows.
        { { kPrimary }, { 500, 500, 1700, 1700 }, ScreenRect{ 500, 0, 1700, 1200 } },
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(clockwnd::KeepOnScreen(cases[i].clock, cases[i].monitors), cases[i].to)
            << "case " << i;
}

} // namespace
