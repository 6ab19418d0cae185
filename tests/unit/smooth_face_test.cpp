// The smooth face: the cores and the thin hands, frames that stay
// premultiplied and on the dial, and whole frames against stored images.
#include "face/smooth_face.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using face::PixelImage;

// As the window draws a tick, on images that held something before: the
// dial copied into the frame, the hands over it.
PixelImage Frame(int width, int height, int hour, int minute, int second,
                 const face::FaceStyle& style)
{
    const face::SmoothFaceGeometry g =
        face::ComputeSmoothFaceGeometry(width, height, hour, minute, second, style.widths);
    PixelImage dial(width, height);
    PixelImage frame(width, height);
    for (PixelImage* image : { &dial, &frame })
        face::FillRect(*image, 0, 0, width, height, { { 255, 255, 255 } });
    face::RenderSmoothDial(dial, g, style);
    frame.CopyFrom(dial);
    face::RenderSmoothHands(frame, g, style);
    return frame;
}

int Channel(std::uint32_t pixel, int shift) { return pixel >> shift & 0xFF; }

// What no picture shows, on the dial's own colour: the cores run 4 and 2
// pixels past their hands' tips.
TEST(SmoothFace, CoresRunPastTheirHands)
{
    const face::SmoothFaceGeometry g = face::ComputeSmoothFaceGeometry(200, 180, 15, 30, 45);
    ASSERT_TRUE(g.hourHand.core && g.minuteHand.core);
    const auto length = [](const face::Segment& s) {
        return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
    };
    EXPECT_NEAR(length(*g.hourHand.core) - length(g.hourHand.line), 4, 1e-9);
    EXPECT_NEAR(length(*g.minuteHand.core) - length(g.minuteHand.line), 2, 1e-9);
}

// On a 97 x 97 face the centre is a pixel's centre, (48.5, 49.5), so at
// 3:00 the hour hand's axis runs along row 49: white there for a hand 1 or
// 2 pixels wide, black under the core of a wider one.
TEST(SmoothFace, OnlyHandsThreePixelsWideHaveACore)
{
    for (const auto& [width, red] : { std::pair{ 1, 255 }, { 2, 255 }, { 3, 0 }, { 5, 0 } }) {
        face::FaceStyle style;
        style.widths.hour = width;
        const PixelImage frame = Frame(97, 97, 3, 0, 0, style);
        for (int x = 58; x < 79; ++x)
            ASSERT_EQ(Channel(frame.Row(49)[x], 16), red) << "width " << width << " x " << x;
    }
}

// With a text and a half-opaque panel blended in before the hands, as the
// window does: no colour channel above its alpha, and the frame's alpha the
// dial's, so that nothing lands outside the dial.
TEST(SmoothFace, FramesStayPremultipliedAndOnTheDial)
{
    face::FaceStyle style;
    style.background = { 10, 200, 255 };
    style.widths = { 9, 4, 6 };
    std::vector<std::uint8_t> text(150 * 150);
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<std::uint8_t>(i * 7);
    for (const auto& [width, height] : { std::pair{ 96, 96 }, { 150, 90 }, { 64, 130 } }) {
        const auto g = face::ComputeSmoothFaceGeometry(width, height, 7, 23, 50, style.widths);
        PixelImage dial(width, height);
        face::RenderSmoothDial(dial, g, style);
        PixelImage frame;
        frame.CopyFrom(dial);
        face::BlendMask(frame, { text.data(), 150, 150, 150 }, -3, -2,
                        { style.arrows, 0.8, face::Blend::Atop });
        face::FillRect(frame, 2.6, height * 0.6, width - 3.3, height - 1.4,
                       { style.panelBox, 0.6, face::Blend::Atop });
        face::RenderSmoothHands(frame, g, style);
        int faults = 0;
        for (int i = 0; i < width * height; ++i) {
            const std::uint32_t p = frame.Pixels()[i];
            const int alpha = Channel(p, 24);
            faults += std::max({ Channel(p, 16), Channel(p, 8), Channel(p, 0) }) > alpha ||
                      alpha != Channel(dial.Pixels()[i], 24);
        }
        EXPECT_EQ(faults, 0) << width << " x " << height;
    }
}

// Binary PAM, the image's own premultiplied channels as R, G, B, A.
std::string Pam(const PixelImage& image)
{
    std::string pam = "P7\nWIDTH " + std::to_string(image.Width()) + "\nHEIGHT " +
                      std::to_string(image.Height()) +
                      "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    for (int i = 0; i < image.Width() * image.Height(); ++i) {
        for (const int shift : { 16, 8, 0, 24 })
            pam += static_cast<char>(Channel(image.Pixels()[i], shift));
    }
    return pam;
}

// Whole frames without texts against the images in tests/unit/golden: a
// change to the drawing fails here until they are written again. Another
// compiler's rounding may move a channel value by 2, 1 % of them.
// Drawing the hands changes no pixel outside their bounds, the wide and
// the thin, at any angle and size: the screen is given only those.
TEST(SmoothFace, HandsStayInTheirBounds)
{
    // clang-format off
    const struct { int size, hour, minute, second; face::PenWidths pens; } cases[] = {
        { 240, 10, 8, 36, {} }, { 97, 3, 0, 45, { 30, 30, 3 } }, { 300, 7, 52, 7, { 1, 2, 1 } },
    };
    // clang-format on
    for (const auto& c : cases) {
        const face::SmoothFaceGeometry g =
            face::ComputeSmoothFaceGeometry(c.size, c.size, c.hour, c.minute, c.second, c.pens);
        face::PixelImage dial(c.size, c.size), frame(c.size, c.size);
        face::RenderSmoothDial(dial, g, {});
        frame.CopyFrom(dial);
        face::RenderSmoothHands(frame, g, {});
        const face::PixelBox box = face::HandsBounds(g);
        int outside = 0;
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                const bool in = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
                outside += !in && frame.Row(y)[x] != dial.Row(y)[x];
            }
        }
        EXPECT_EQ(outside, 0) << c.size;
    }
}

TEST(SmoothFace, FramesMatchStoredImages)
{
    const face::FaceStyle night{ { 20, 40, 90 },   { 250, 230, 120 }, { 0, 200, 80 },
                                 { 153, 102, 10 }, { 255, 102, 51 },  { 7, 2, 1 } };
    const struct {
        const char* file;
        int width, height, hour, minute, second;
        face::FaceStyle style;
    } cases[] = {
        { "smooth_96x96.pam", 96, 96, 10, 8, 37, face::FaceStyle{} },
        { "smooth_120x80.pam", 120, 80, 16, 41, 52, night },
    };
    const char* rewrite = "\nZENTIM_WRITE_GOLDEN=1 zentim_unit_tests "
                          "--gtest_filter=SmoothFace.FramesMatchStoredImages "
                          "writes the frames drawn now in their place.";
    for (const auto& c : cases) {
        const std::string drawn =
            Pam(Frame(c.width, c.height, c.hour, c.minute, c.second, c.style));
        const std::string path = std::string(ZENTIM_GOLDEN_DIR) + "/" + c.file;
        if (std::getenv("ZENTIM_WRITE_GOLDEN")) {
            EXPECT_TRUE(std::ofstream(path, std::ios::binary) << drawn) << path;
            continue;
        }
        std::ifstream file(path, std::ios::binary);
        const std::string stored{ std::istreambuf_iterator<char>(file), {} };
        const size_t header = drawn.size() - 4 * c.width * c.height;
        ASSERT_EQ(stored.substr(0, header), drawn.substr(0, header)) << path << rewrite;
        ASSERT_EQ(stored.size(), drawn.size()) << path << rewrite;
        // The largest difference in a channel, and how many channels differ.
        std::pair<int, int> found{ 0, 0 };
        for (size_t i = header; i < drawn.size(); ++i) {
            const int off = std::abs(static_cast<std::uint8_t>(drawn[i]) -
                                     static_cast<std::uint8_t>(stored[i]));
            found = { std::max(found.first, off), found.second + (off > 0) };
        }
        EXPECT_LE(found.first, 2) << path << rewrite;
        EXPECT_LE(found.second, 4 * c.width * c.height / 100) << path << rewrite;
    }
}

} // namespace
