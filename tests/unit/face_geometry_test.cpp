// Worked values of the clock face at known sizes and times: the pixels
// users see, including where truncation toward zero puts them.
#include "face/face_geometry.h"

#include <gtest/gtest.h>

#include <ostream>

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

void ExpectFont(const face::FontSpec& font, int height, int width, int weight)
{
    EXPECT_EQ(font.height, height);
    EXPECT_EQ(font.width, width);
    EXPECT_EQ(font.weight, weight);
}

TEST(FaceGeometry, DialAndFontsAt200x200)
{
    const FaceGeometry g = ComputeFaceGeometry(200, 200, 15, 0, 0);
    EXPECT_EQ(g.cx, 100);
    EXPECT_EQ(g.cy, 100);
    EXPECT_DOUBLE_EQ(g.radius, 95.0);
    EXPECT_EQ(g.radiusInt, 95);
    ExpectFont(g.upFont, -16, 12, 300);
    ExpectFont(g.downFont, -14, 14, 400);
    ExpectFont(g.panelFont, -16, 16, 600);
    EXPECT_EQ(g.capDisc, (Box{ 92, 92, 108, 108 }));
    EXPECT_EQ(g.capCore, (Box{ 93, 93, 108, 108 }));
}

TEST(FaceGeometry, ScaleMarksAt200x200)
{
    struct Case {
        int index;
        Point inner, outer;
        bool major;
    };
    // Mark 59 ends at x 91: its offset of -9.93 truncates toward the
    // centre, not down to 90.
    const Case cases[] = {
        { 0, { 100, 12 }, { 100, 5 }, true },    { 1, { 109, 9 }, { 109, 6 }, false },
        { 5, { 143, 24 }, { 147, 18 }, true },   { 15, { 188, 100 }, { 195, 100 }, true },
        { 30, { 100, 188 }, { 100, 195 }, true }, { 45, { 12, 100 }, { 5, 100 }, true },
        { 59, { 91, 9 }, { 91, 6 }, false },
    };
    const FaceGeometry g = ComputeFaceGeometry(200, 200, 15, 0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(g.marks[c.index].line.from, c.inner);
        EXPECT_EQ(g.marks[c.index].line.to, c.outer);
        EXPECT_EQ(g.marks[c.index].major, c.major);
    }
    int majors = 0;
    for (const face::ScaleMark& mark : g.marks)
        majors += mark.major;
    EXPECT_EQ(majors, 12);
}

struct HandCase {
    int hour, minute, second;
    Point hourEnd, hourBlack, minuteEnd, minuteBlack, secondEnd;
};

void ExpectHands(const FaceGeometry& g, const HandCase& c)
{
    const Point centre{ g.cx, g.cy };
    for (const face::Line* line : { &g.hourHand.white, &g.hourHand.black, &g.minuteHand.white,
                                    &g.minuteHand.black, &g.secondHand })
        EXPECT_EQ(line->from, centre);
    EXPECT_EQ(g.hourHand.white.to, c.hourEnd);
    EXPECT_EQ(g.hourHand.black.to, c.hourBlack);
    EXPECT_EQ(g.minuteHand.white.to, c.minuteEnd);
    EXPECT_EQ(g.minuteHand.black.to, c.minuteBlack);
    EXPECT_EQ(g.secondHand.to, c.secondEnd);
}

TEST(FaceGeometry, HandsAt200x200)
{
    const HandCase cases[] = {
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
    for (const HandCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << ":" << c.second);
        ExpectHands(ComputeFaceGeometry(200, 200, c.hour, c.minute, c.second), c);
    }
}

TEST(FaceGeometry, OddWidthHalvesBeforeScaling)
{
    const FaceGeometry g = ComputeFaceGeometry(151, 151, 0, 0, 0);
    EXPECT_EQ(g.cx, 75);
    EXPECT_EQ(g.cy, 75);
    EXPECT_DOUBLE_EQ(g.radius, 71.25);
    EXPECT_EQ(g.radiusInt, 71);
    ExpectFont(g.upFont, -12, 8, 300);
    ExpectFont(g.downFont, -10, 10, 400);
    ExpectFont(g.panelFont, -12, 12, 600);
}

TEST(FaceGeometry, RadiusFollowsWidthOnly)
{
    const FaceGeometry wide = ComputeFaceGeometry(300, 200, 0, 0, 0);
    EXPECT_EQ(wide.cx, 150);
    EXPECT_EQ(wide.cy, 100);
    EXPECT_DOUBLE_EQ(wide.radius, 142.5);
    EXPECT_EQ(wide.radiusInt, 142);
    // The top and bottom of the scale fall outside the 200 pixel high image.
    EXPECT_EQ(wide.marks[0].line.to, (Point{ 150, -42 }));
    EXPECT_EQ(wide.marks[30].line.to, (Point{ 150, 242 }));
    EXPECT_EQ(wide.marks[15].line.to, (Point{ 292, 100 }));

    const FaceGeometry tall = ComputeFaceGeometry(200, 300, 0, 0, 0);
    EXPECT_EQ(tall.cy, 150);
    EXPECT_DOUBLE_EQ(tall.radius, 95.0);
}

TEST(FaceGeometry, TextOriginsAt200x200)
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
}

} // namespace
