// Worked values of the clock face and window at known sizes and times: the
// pixels users see, including where truncation toward zero puts them.
#include "clockwnd/window_geometry.h"
#include "face/face_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using face::Box;
using face::Point;
using Ints = std::vector<int>;

// Centre and fonts follow the width's integer half, the radius the width
// alone: the scale of an area wider than high runs off its top and bottom.
TEST(FaceGeometry, CentreRadiusAndFonts)
{
    const std::pair<Ints, Ints> cases[] = {
        // width, height -> cx, cy, R x 100, the up, down and panel fonts' height and width
        { { 200, 200 }, { 100, 100, 9500, -16, 12, -14, 14, -16, 16 } },
        { { 151, 151 }, { 75, 75, 7125, -12, 8, -10, 10, -12, 12 } },
        { { 300, 200 }, { 150, 100, 14250, -23, 19, -21, 21, -24, 24 } },
    };
    for (const auto& [size, expected] : cases) {
        const face::FaceGeometry g = face::ComputeFaceGeometry(size[0], size[1], 0, 0, 0);
        EXPECT_EQ(
            (Ints{ g.cx, g.cy, int(g.radius * 100), g.upFont.height, g.upFont.width,
                   g.downFont.height, g.downFont.width, g.panelFont.height, g.panelFont.width }),
            expected);
    }
    EXPECT_EQ(face::ComputeFaceGeometry(300, 200, 0, 0, 0).marks[0].line.to, (Point{ 150, -42 }));
}

// 200 x 200. Mark 59 ends at x 91: its offset of -9.93 truncates toward the
// centre. Each black line runs past the end of its white hand. The
// afternoon is drawn as the morning; an unknown time puts the hour hand at
// angle -30.5.
TEST(FaceGeometry, MarksHandsTextsAndCapAt200x200)
{
    const face::FaceGeometry g = face::ComputeFaceGeometry(200, 200, 15, 0, 0);
    // clang-format off
    EXPECT_EQ((std::vector<Point>{ g.marks[0].line.from, g.marks[0].line.to, g.marks[1].line.from,
                                   g.marks[1].line.to, g.marks[5].line.to, g.marks[59].line.to }),
              (std::vector<Point>{ { 100, 12 }, { 100, 5 }, { 109, 9 }, { 109, 6 }, { 147, 18 },
                                   { 91, 6 } }));
    EXPECT_TRUE(g.marks[55].major && !g.marks[59].major);
    const std::pair<Ints, std::vector<Point>> hands[] = {
        { { 15, 0, 0 }, { { 166, 100 }, { 170, 100 }, { 100, 15 }, { 100, 13 }, { 100, 5 } } },
        { { 10, 8, 20 }, { { 45, 63 }, { 42, 61 }, { 165, 46 }, { 167, 44 }, { 182, 147 } } },
        { { 18, 30, 45 }, { { 83, 164 }, { 82, 168 }, { 94, 185 }, { 94, 187 }, { 5, 100 } } },
        { { 12, 0, 0 }, { { 100, 34 }, { 100, 30 }, { 100, 15 }, { 100, 13 }, { 100, 5 } } },
        { { -1, -1, -1 }, { { 67, 43 }, { 65, 40 }, { 91, 15 }, { 91, 13 }, { 91, 6 } } },
    };
    // clang-format on
    for (const auto& [time, ends] : hands) {
        const face::FaceGeometry h = face::ComputeFaceGeometry(200, 200, time[0], time[1], time[2]);
        EXPECT_EQ(
            (std::vector<Point>{ h.hourHand.line.to, h.hourHand.core->to, h.minuteHand.line.to,
                                 h.minuteHand.core->to, h.secondHand->to }),
            ends)
            << time[0] << ":" << time[1] << ":" << time[2];
    }
    // Odd text widths halve toward zero.
    EXPECT_EQ(face::UpTextOrigin(g, 61), (Point{ 70, 53 }));
    EXPECT_EQ(face::DownTextOrigin(g, 60, 17), (Point{ 70, 122 }));
    const face::PanelLayout panel = face::ComputePanelLayout(g, 41, 19);
    EXPECT_EQ(panel.text, (Point{ 80, 147 }));
    EXPECT_EQ(panel.box, (Box{ 78, 145, 122, 168 }));
    EXPECT_EQ(g.capDisc, (Box{ 92, 92, 108, 108 }));
    EXPECT_EQ(g.capCore, (Box{ 93, 93, 108, 108 }));
}

// The date window sits on the horizontal through the centre, six tenths of
// the radius towards 3 o'clock, in a font a tenth of the radius high, at
// every size.
TEST(FaceGeometry, DateWindowBetweenTheCentreAndThreeOClock)
{
    // clang-format off
    const struct { int size; int textWidth, textHeight; Box box; int fontHeight; } cases[] = {
        { 200, 30, 10, { 140, 94, 174, 106 }, -9 },
        { 240, 36, 12, { 168, 113, 208, 127 }, -11 },
        { 800, 100, 40, { 576, 379, 680, 421 }, -38 },
        { 40, 10, 4, { 24, 17, 38, 23 }, -1 },
    };
    // clang-format on
    for (const auto& c : cases) {
        const face::FaceGeometry g = face::ComputeFaceGeometry(c.size, c.size, 3, 0, 0);
        EXPECT_EQ(face::ComputeDateLayout(g, c.textWidth, c.textHeight).box, c.box) << c.size;
        EXPECT_EQ(g.dateFont.height, c.fontHeight) << c.size;
    }
}

// The twelve long marks take the scale width, the other marks 1 pixel; each
// hand its own width, and a core line only from 3 pixels on, so that a thin
// hand is not hidden under its core.
TEST(FaceGeometry, PenWidthsGoToTheirLines)
{
    const face::FaceGeometry g = face::ComputeFaceGeometry(200, 200, 0, 0, 0, { 7, 2, 11 });
    EXPECT_EQ((Ints{ g.marks[0].penWidth, g.marks[55].penWidth, g.marks[1].penWidth,
                     g.hourHand.penWidth, g.minuteHand.penWidth }),
              (Ints{ 11, 11, 1, 7, 2 }));
    EXPECT_TRUE(g.hourHand.core && !g.minuteHand.core);
    const face::FaceGeometry thin = face::ComputeFaceGeometry(200, 200, 0, 0, 0, { 1, 3, 1 });
    EXPECT_TRUE(!thin.hourHand.core && thin.minuteHand.core);
}

// The ellipse is not centred vertically: 5 in from the top, 3 elsewhere.
// The arrow keys take a pixel off or add one on every side, down to 32 x 32
// and up to the work area's size; beyond those a window may still move
// towards them.
TEST(WindowGeometry, RegionAndArrowKeys)
{
    EXPECT_EQ(clockwnd::RoundRegionBox(200, 180), (Box{ 3, 5, 197, 177 }));
    const Box work{ 0, 0, 1024, 740 };
    const std::optional<Box> refused;
    // clang-format off
    const struct { Box window; int delta; std::optional<Box> resized; } cases[] = {
        { { 100, 200, 340, 440 }, +1, Box{ 99, 199, 341, 441 } },
        { { 0, 0, 34, 34 }, -1, Box{ 1, 1, 33, 33 } },   { { 0, 0, 40, 33 }, -1, refused },
        { { 0, 0, 33, 40 }, -1, refused },               { { 0, 0, 20, 20 }, +1, Box{ -1, -1, 21, 21 } },
        { { 1, 1, 1023, 739 }, +1, Box{ 0, 0, 1024, 740 } }, { { 0, 0, 924, 739 }, +1, refused },
        { { 0, 0, 1023, 640 }, +1, refused },            { { 0, 0, 1024, 740 }, -1, Box{ 1, 1, 1023, 739 } },
    };
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(clockwnd::ArrowKeyResize(cases[i].window, cases[i].delta, work), cases[i].resized)
            << "case " << i;
}

} // namespace
