#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace settings {
void PrintTo(const ScreenRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
} // namespace settings

namespace {

using settings::ScreenRect;

TEST(WindowPlacement, UsableNeedsThirtyTwoPixelsEachWayWithinWindowCoordinates)
{
    const struct {
        ScreenRect rect;
        bool usable;
    } cases[] = {
        { { 0, 0, 32, 32 }, true },
        { { 0, 0, 31, 32 }, false },
        { { 0, 0, 32, 31 }, false },
        { { -500, -400, -468, -368 }, true },
        { { 100, 100, 68, 200 }, false },  // right left of left
        { { 100, 200, 200, 100 }, false }, // bottom above top
        { { 0, 50, 0, 50 }, false },       // what a missing size key gives
        { { -32768, -32768, 32767, 32767 }, true },
        // Beyond the system's coordinates the move would be cut short and
        // could leave the window on no monitor.
        { { -40000, 100, 1000, 400 }, false },
        { { 0, 0, 32768, 100 }, false },
        { { 0, 0, INT_MAX, INT_MAX }, false },
        // 4294967295 wide: no window can be that large.
        { { INT_MIN, 0, INT_MAX, 100 }, false },
        // In 32 bits the width would wrap round to a usable 41.
        { { INT_MAX, 0, INT_MIN + 40LL, 100 }, false },
        { { 0, INT_MAX, 100, INT_MIN + 40LL }, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.rect));
        EXPECT_EQ(settings::IsUsableWindowRect(c.rect), c.usable);
    }
}

TEST(WindowPlacement, MoveInsideKeepsSizeAndShowsTopLeft)
{
    const ScreenRect work{ 0, 0, 1024, 768 };
    const ScreenRect left{ -1280, 0, 0, 1024 }; // a monitor left of the primary
    const struct {
        ScreenRect rect, area, moved;
    } cases[] = {
        { { 10, 20, 110, 120 }, work, { 10, 20, 110, 120 } },
        { { 0, 0, 1024, 768 }, work, { 0, 0, 1024, 768 } },
        { { -500, 100, -400, 200 }, work, { 0, 100, 100, 200 } },
        { { 100, -300, 200, -200 }, work, { 100, 0, 200, 100 } },
        { { 1000, 700, 1100, 800 }, work, { 924, 668, 1024, 768 } },
        // Larger than the area: the top-left corner stays on screen.
        { { 500, 500, 2500, 2500 }, work, { 0, 0, 2000, 2000 } },
        { { -50, -50, 1950, 1950 }, work, { 0, 0, 2000, 2000 } },
        { { 300, 300, 2300, 400 }, work, { 0, 300, 2000, 400 } },
        { { -2000, 100, -1900, 200 }, left, { -1280, 100, -1180, 200 } },
        { { 100, 100, 200, 200 }, left, { -100, 100, 0, 200 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.rect));
        EXPECT_EQ(settings::MoveInside(c.rect, c.area), c.moved);
    }
}

} // namespace
