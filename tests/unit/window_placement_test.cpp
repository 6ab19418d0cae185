#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>

namespace {

using settings::ScreenRect;

// At least 32 pixels each way, within the system's window coordinates, and
// no width that 32 bits would wrap round.
TEST(WindowPlacement, UsableRectangles)
{
    const std::pair<ScreenRect, bool> cases[] = {
        { { 0, 0, 32, 32 }, true },
        { { 0, 0, 31, 32 }, false },
        { { 0, 0, 32, 31 }, false },
        { { -500, -400, -468, -368 }, true },
        { { 100, 200, 200, 100 }, false },
        { { -32768, -32768, 32767, 32767 }, true },
        { { -40000, 100, 1000, 400 }, false },
        { { 0, 0, 32768, 100 }, false },
        { { INT_MAX, 0, INT_MIN + 40LL, 100 }, false },
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(settings::IsUsableWindowRect(cases[i].first), cases[i].second) << "case " << i;
}

// Size kept; as far inside the area as it fits, else its top-left corner.
TEST(WindowPlacement, MoveInside)
{
    const ScreenRect work{ 0, 0, 1024, 768 }, left{ -1280, 0, 0, 1024 };
    const struct {
        ScreenRect rect, area, moved;
    } cases[] = {
        { { 10, 20, 110, 120 }, work, { 10, 20, 110, 120 } },
        { { -500, -300, -400, -200 }, work, { 0, 0, 100, 100 } },
        { { 1000, 700, 1100, 800 }, work, { 924, 668, 1024, 768 } },
        { { -50, -50, 1950, 1950 }, work, { 0, 0, 2000, 2000 } },
        { { 100, 100, 200, 200 }, left, { -100, 100, 0, 200 } },
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(settings::MoveInside(cases[i].rect, cases[i].area), cases[i].moved)
            << "case " << i;
}

} // namespace
