// Worked values of the clock face and window at known sizes and times: the
// pixels users see, including where truncation toward zero puts them.
#include "clockwnd/window_geometry.h"
#include "face/face_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using face::Box;
using face::FaceGeometry;
using face::Point;

// Centre and fonts follow the width's integer half, the radius the width
// alone; the height moves only the centre, so the scale of an area wider
// than high runs off its top and bottom.
TEST(FaceGeometry, CentreRadiusAndFonts)
{
    const struct {
        int width, height, cx, cy;
        double radius;
        std::vector<int> fonts; // height and width of the up, down and panel fonts
    } cases[] = {
        { 200, 200, 100, 100, 95.0, { -16, 12, -14, 14, -16, 16 } },
        { 151, 151, 75, 75, 71.25, { -12, 8, -10, 10, -12, 12 } },
        { 300, 200, 150, 100, 142.5, { -23, 19, -21, 21, -24, 24 } },
    };
    for (const auto& c : cases) {
        const FaceGeometry g = face::ComputeFaceGeometry(c.width, c.height, 0, 0, 0);
        EXPECT_EQ((std::vector<int>{ g.cx, g.cy, g.radiusInt }),
                  (std::vector<int>{ c.cx, c.cy, int(c.radius) }));
        EXPECT_DOUBLE_EQ(g.radius, c.radius);
        EXPECT_EQ((std::vector<int>{ g.upFont.height, g.upFont.width, g.downFont.height,
                                     g.downFont.width, g.panelFont.height, g.panelFont.width }),
                  c.fonts);
    }
    EXPECT_EQ(face::ComputeFaceGeometry(300, 200, 0, 0, 0).marks[0].line.to, (Point{ 150, -42 }));
}

// Mark 59 ends at x 91: its offset of -9.93 truncates toward the centre.
TEST(FaceGeometry, ScaleMarksAt200x200)
{
    const FaceGeometry g = face::ComputeFaceGeometry(200, 200, 15, 0, 0);
    const struct {
        int index;
        Point inner, outer;
    } cases[] = { { 0, { 100, 12 }, { 100, 5 } },  { 1, { 109, 9 }, { 109, 6 } },
                  { 5, { 143, 24 }, { 147, 18 } }, { 15, { 188, 100 }, { 195, 100 } },
                  { 45, { 12, 100 }, { 5, 100 } }, { 59, { 91, 9 }, { 91, 6 } } };
    for (const auto& c : cases) {
        EXPECT_EQ(g.marks[c.index].line.from, c.inner) << c.index;
        EXPECT_EQ(g.marks[c.index].line.to, c.outer) << c.index;
        EXPECT_EQ(g.marks[c.index].major, c.index % 5 == 0) << c.index;
    }
}

// Hand ends: the white line, then its longer black centre line.
TEST(FaceGeometry, HandsAt200x200)
{
    const struct {
        int hour, minute, second;
        std::vector<Point> ends; // hour, its black line, minute, its black line, second
    } cases[] = {
        { 15, 0, 0, { { 166, 100 }, { 170, 100 }, { 100, 15 }, { 100, 13 }, { 100, 5 } } },
        { 10, 8, 20, { { 45, 63 }, { 42, 61 }, { 165, 46 }, { 167, 44 }, { 182, 147 } } },
        // The afternoon is drawn as the morning.
        { 18, 30, 45, { { 83, 164 }, { 82, 168 }, { 94, 185 }, { 94, 187 }, { 5, 100 } } },
        { 12, 0, 0, { { 100, 34 }, { 100, 30 }, { 100, 15 }, { 100, 13 }, { 100, 5 } } },
        // Unknown time: the hour hand at angle -30.5, up and to the left.
        { -1, -1, -1, { { 67, 43 }, { 65, 40 }, { 91, 15 }, { 91, 13 }, { 91, 6 } } },
    };
    for (const auto& c : cases) {
        const FaceGeometry g = face::ComputeFaceGeometry(200, 200, c.hour, c.minute, c.second);
        EXPECT_EQ(
            (std::vector<Point>{ g.hourHand.white.to, g.hourHand.black.to, g.minuteHand.white.to,
                                 g.minuteHand.black.to, g.secondHand.to }),
            c.ends)
            << c.hour << ":" << c.minute << ":" << c.second;
        EXPECT_EQ(g.secondHand.from, (Point{ 100, 100 }));
    }
}

// Odd text widths halve toward zero.
TEST(FaceGeometry, TextsPanelAndCapAt200x200)
{
    const FaceGeometry g = face::ComputeFaceGeometry(200, 200, 15, 0, 0);
    EXPECT_EQ(face::UpTextOrigin(g, 61), (Point{ 70, 53 }));
    EXPECT_EQ(face::DownTextOrigin(g, 60, 17), (Point{ 70, 122 }));
    const face::PanelLayout panel = face::ComputePanelLayout(g, 41, 19);
    EXPECT_EQ(panel.text, (Point{ 80, 147 }));
    EXPECT_EQ(panel.box, (Box{ 78, 145, 122, 168 }));
    EXPECT_EQ(g.capDisc, (Box{ 92, 92, 108, 108 }));
    EXPECT_EQ(g.capCore, (Box{ 93, 93, 108, 108 }));
}

// One pixel more or less on every side, down to 32 x 32 and up to the work
// area's size; a window beyond those bounds may still move towards them.
TEST(WindowGeometry, ArrowKeysResizeWithinTheirBounds)
{
    const Box work{ 0, 0, 1024, 740 };
    const std::optional<Box> refused;
    const struct {
        Box window;
        int delta;
        std::optional<Box> resized;
    } cases[] = {
        { { 100, 200, 340, 440 }, +1, Box{ 99, 199, 341, 441 } },
        { { 100, 200, 340, 440 }, -1, Box{ 101, 201, 339, 439 } },
        { { 0, 0, 34, 34 }, -1, Box{ 1, 1, 33, 33 } },
        { { 0, 0, 40, 33 }, -1, refused },
        { { 0, 0, 33, 40 }, -1, refused },
        { { 0, 0, 20, 20 }, +1, Box{ -1, -1, 21, 21 } },
        { { 1, 1, 1023, 739 }, +1, Box{ 0, 0, 1024, 740 } },
        { { 0, 0, 924, 739 }, +1, refused },
        { { 0, 0, 1023, 640 }, +1, refused },
        { { 0, 0, 1024, 740 }, -1, Box{ 1, 1, 1023, 739 } },
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(clockwnd::ArrowKeyResize(cases[i].window, cases[i].delta, work), cases[i].resized)
            << "case " << i;
}

} // namespace
