// The rasteriser's invariants: a pixel takes the part of its square a shape
// covers, so shapes hold their areas, edges split the pixels they cross, and
// a line looks the same from either side of its axis.
#include "face/raster.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using face::PixelImage;

constexpr double kPi = 3.14159265358979323846;
const face::Paint kWhite{ { 255, 255, 255 } };

// A table's shape: 'e' an ellipse (centre, radii), 'r' and 'f' round and
// flat ended lines (from, to, width), 'b' a box (edges, opacity), 'm' a
// mask of 0, 128 and 255 over 255s (top left).
struct Shape {
    char kind;
    double a, b, c = 0, d = 0, e = 1;
};

void Draw(PixelImage& image, const Shape& s)
{
    if (s.kind == 'e')
        FillEllipse(image, { s.a, s.b }, s.c, s.d, kWhite);
    if (s.kind == 'r' || s.kind == 'f') {
        StrokeSegment(image, { s.a, s.b }, { s.c, s.d }, s.e,
                      s.kind == 'r' ? face::LineEnd::Round : face::LineEnd::Flat, kWhite);
    }
    if (s.kind == 'b')
        FillRect(image, s.a, s.b, s.c, s.d, { kWhite.colour, s.e });
    static const std::uint8_t mask[] = { 0, 128, 255, 255, 255, 255 };
    if (s.kind == 'm')
        BlendMask(image, { mask, 3, 2, 3 }, int(s.a), int(s.b), kWhite);
}

double Alpha(const PixelImage& image, int x, int y) { return (image.Row(y)[x] >> 24) / 255.0; }

// Small and large, off the pixel grid: within 0.5 % of the area. Round ends
// add a half disc at each end, flat ends nothing.
TEST(Raster, ShapesHoldTheirAreas)
{
    const std::pair<Shape, double> cases[] = {
        { { 'e', 32, 32, 2.5, 2.5 }, kPi * 2.5 * 2.5 },
        { { 'e', 32.5, 32.25, 8, 8 }, kPi * 8 * 8 },
        { { 'e', 31.9, 32.6, 29.2, 29.2 }, kPi * 29.2 * 29.2 },
        { { 'e', 32.4, 32.1, 28, 13.5 }, kPi * 28 * 13.5 },
        { { 'r', 10, 20.5, 50, 20.5, 6 }, 40 * 6 + kPi * 9 },
        { { 'r', 12.2, 50.1, 36.2, 32.1, 5 }, 30 * 5 + kPi * 6.25 },
        { { 'f', 12.2, 50.1, 36.2, 32.1, 5 }, 30 * 5 },
        { { 'r', 50.3, 8.1, 21.3, 35.65, 1 }, 40 + kPi / 4 },
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        PixelImage image(64, 64);
        Draw(image, cases[i].first);
        double sum = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x)
                sum += Alpha(image, x, y);
        }
        EXPECT_NEAR(sum, cases[i].second, 0.005 * cases[i].second) << "case " << i;
    }
}

// An edge through a row or column of pixel centres covers half of each;
// a box's corner a quarter; a mask's values go where its offset puts them.
TEST(Raster, EdgesSplitPixels)
{
    const struct {
        Shape shape;
        int x, y;
        double alpha;
    } cases[] = {
        // clang-format off
        { { 'b', 10.5, 10, 20, 20 }, 10, 12, 0.5 }, { { 'b', 10.5, 10, 20, 20 }, 11, 12, 1 },
        { { 'b', 10.5, 10, 20, 20 }, 9, 12, 0 },    { { 'b', 2, 3, 7.5, 10 }, 7, 9, 0.5 },
        { { 'b', 4.5, 4.5, 9, 9 }, 4, 4, 0.25 },    { { 'b', 0, 0, 9, 9, 0.5 }, 5, 5, 0.5 },
        { { 'f', 2, 10, 20, 10, 1 }, 6, 9, 0.5 },   { { 'e', 40.5, 20.5, 30, 30 }, 10, 20, 0.5 },
        { { 'm', 10, 3 }, 10, 3, 0 },               { { 'm', 10, 3 }, 11, 3, 0.5 },
        { { 'm', 10, 3 }, 12, 4, 1 },
        // clang-format on
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        PixelImage image(32, 32);
        Draw(image, cases[i].shape);
        EXPECT_NEAR(Alpha(image, cases[i].x, cases[i].y), cases[i].alpha, 0.01) << "case " << i;
    }
}

// From the pixel grid's corner (48, 48) up, right and at 45 degrees, both
// ends: each pixel matches its mirror image across the line.
TEST(Raster, LinesAreSymmetricAboutTheirAxis)
{
    const std::pair<Shape, int> cases[] = {
        { { 'r', 48, 48, 48, 10, 5 }, 0 },
        { { 'f', 48, 48, 86, 48, 5 }, 1 },
        { { 'r', 48, 48, 78, 18, 5 }, 2 },
        { { 'f', 48, 48, 78, 18, 5 }, 2 },
    };
    for (const auto& [shape, axis] : cases) {
        PixelImage image(96, 96);
        Draw(image, shape);
        int asymmetric = 0;
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 96; ++x) {
                const int mx[] = { 95 - x, x, 95 - y };
                const int my[] = { y, 95 - y, 95 - x };
                asymmetric +=
                    std::abs(Alpha(image, x, y) - Alpha(image, mx[axis], my[axis])) > 0.006;
            }
        }
        EXPECT_EQ(asymmetric, 0) << shape.kind << " to " << shape.c << ", " << shape.d;
    }
}

} // namespace
