// Worked values of the clock face at known sizes and times: the pixels
// users see, including where truncation toward zero puts them.
#include "face/face_geometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace face {
void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
void PrintTo(const Box& b, std::ostream* os)
{
    *os << "(" << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom << ")";
}
} // namespace face

namespace {

using face::Box;
using face::ComputeFaceGeometry;
using face::FaceGeometry;
using face::Point;

// Centre and fonts follow the width's integer half, the radius the width
// alone; the height moves only the centre, and the scale of an area wider
// than high runs off its top and bottom.
TEST(FaceGeometry, CentreRadiusAndFonts)
{
    const struct {
        int width, height;
        Point centre;
        double radius;
        int radiusInt;
        std::vector<int> fonts; // height and width of the up, down and panel fonts
    } cases[] = {
        { 200, 200, { 100, 100 }, 95.0, 95, { -16, 12, -14, 14, -16, 16 } },
        { 151, 151, { 75, 75 }, 71.25, 71, { -12, 8, -10, 10, -12, 12 } },
        { 300, 200, { 150, 100 }, 142.5, 142, { -23, 19, -21, 21, -24, 24 } },
        { 200, 300, { 100, 150 }, 95.0, 95, { -16, 12, -14, 14, -16, 16 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const FaceGeometry g = ComputeFaceGeometry(c.width, c.height, 0, 0, 0);
        EXPECT_EQ((Point{ g.cx, g.cy }), c.centre);
        EXPECT_DOUBLE_EQ(g.radius, c.radius);
        EXPECT_EQ(g.radiusInt, c.radiusInt);
        EXPECT_EQ((std::vector<int>{ g.upFont.height, g.upFont.width, g.downFont.height,
                                     g.downFont.width, g.panelFont.height, g.panelFont.width }),
                  c.fonts);
        EXPECT_EQ((std::vector<int>{ g.upFont.weight, g.downFont.weight, g.panelFont.weight }),
                  (std::vector<int>{ 300, 400, 600 }));
    }
    const FaceGeometry wide = ComputeFaceGeometry(300, 200, 0, 0, 0);
    EXPECT_EQ(wide.marks[0].line.to, (Point{ 150, -42 }));
    EXPECT_EQ(wide.marks[30].line.to, (Point{ 150, 242 }));
    EXPECT_EQ(wide.marks[15].line.to, (Point{ 292, 100 }));
}

TEST(FaceGeometry, ScaleMarksAt200x200)
{
    struct Case {
        int index;
        Point inner, outer;
    };
    // Mark 59 ends at x 91: its offset of -9.93 truncates toward the
    // centre, not down to 90.
    const Case cases[] = {
        { 0, { 100, 12 }, { 100, 5 } },     { 1, { 109, 9 }, { 109, 6 } },
        { 5, { 143, 24 }, { 147, 18 } },    { 15, { 188, 100 }, { 195, 100 } },
        { 30, { 100, 188 }, { 100, 195 } }, { 45, { 12, 100 }, { 5, 100 } },
        { 59, { 91, 9 }, { 91, 6 } },
    };
    const FaceGeometry g = ComputeFaceGeometry(200, 200, 15, 0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(g.marks[c.index].line.from, c.inner);
        EXPECT_EQ(g.marks[c.index].line.to, c.outer);
    }
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(g.marks[i].major, i % 5 == 0) << "mark " << i;
}

TEST(FaceGeometry, HandsAt200x200)
{
    const struct {
        int hour, minute, second;
        Point hourEnd, hourBlack, minuteEnd, minuteBlack, secondEnd;
    } cases[] = {
        { 15, 0, 0, { 166, 100 }, { 170, 100 }, { 100, 15 }, { 100, 13 }, { 100, 5 } },
        { 10, 8, 20, { 45, 63 }, { 42, 61 }, { 165, 46 }, { 167, 44 }, { 182, 147 } },
        // The afternoon hour is drawn as its morning counterpart, 6:30:45.
        { 18, 30, 45, { 83, 164 }, { 82, 168 }, { 94, 185 }, { 94, 187 }, { 5, 100 } },
        { 6, 30, 45, { 83, 164 }, { 82, 168 }, { 94, 185 }, { 94, 187 }, { 5, 100 } },
        { 0, 0, 0, { 100, 34 }, { 100, 30 }, { 100, 15 }, { 100, 13 }, { 100, 5 } },
        // Midnight and noon are the same picture.
        { 12, 0, 0, { 100, 34 }, { 100, 30 }, { 100, 15 }, { 100, 13 }, { 100, 5 } },
        // Unknown time: hour angle -30.5 becomes drawing angle 239.5, up and
        // to the left; the other hands stand just before 12.
        { -1, -1, -1, { 67, 43 }, { 65, 40 }, { 91, 15 }, { 91, 13 }, { 91, 6 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << ":" << c.second);
        const FaceGeometry g = ComputeFaceGeometry(200, 200, c.hour, c.minute, c.second);
        for (const face::Line* line : { &g.hourHand.white, &g.hourHand.black, &g.minuteHand.white,
                                        &g.minuteHand.black, &g.secondHand })
            EXPECT_EQ(line->from, (Point{ 100, 100 }));
        EXPECT_EQ(
            (std::vector<Point>{ g.hourHand.white.to, g.hourHand.black.to, g.minuteHand.white.to,
                                 g.minuteHand.black.to, g.secondHand.to }),
            (std::vector<Point>{ c.hourEnd, c.hourBlack, c.minuteEnd, c.minuteBlack,
                                 c.secondEnd }));
    }
}

TEST(FaceGeometry, TextsPanelAndCapAt200x200)
{
    const FaceGeometry g = ComputeFaceGeometry(200, 200, 15, 0, 0);
    // Odd text widths halve toward zero.
    EXPECT_EQ(face::UpTextOrigin(g, 61), (Point{ 70, 53 }));
    EXPECT_EQ(face::UpTextOrigin(g, 0), (Point{ 100, 53 }));
    EXPECT_EQ(face::DownTextOrigin(g, 60, 17), (Point{ 70, 122 }));
    EXPECT_EQ(face::DownTextOrigin(g, 60, 19), (Point{ 70, 119 }));

    const face::PanelLayout panel = face::ComputePanelLayout(g, 41, 19);
    EXPECT_EQ(panel.text, (Point{ 80, 147 }));
    EXPECT_EQ(panel.box, (Box{ 78, 145, 122, 168 }));
    EXPECT_EQ(g.capDisc, (Box{ 92, 92, 108, 108 }));
    EXPECT_EQ(g.capCore, (Box{ 93, 93, 108, 108 }));
}

} // namespace
