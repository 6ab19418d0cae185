// The smooth face: the classic face's proportions, colours and widths at
// sub-pixel positions, drawn anti-aliased into a PixelImage whose alpha is
// the round window's shape.
//   SmoothFaceGeometry / ComputeSmoothFaceGeometry - dial, marks, hands;
//   RenderSmoothDial - what stays for a minute: the dial and its marks;
//   RenderSmoothHands - the hands and the centre cap, over a copy of it.
// The caller blends the texts and the digital panel in between, with Atop
// paints so that they stay on the dial.
#pragma once

#include "face/face_style.h"
#include "face/pixel_image.h"
#include "face/raster.h"

#include <array>
#include <optional>

namespace face {

struct Segment {
    PointF from, to;
    double width;
};

// A hand in the arrows' colour, round ended; a wide one has a 1-pixel core
// line in the background's colour over its middle, running past its tip.
struct SmoothHand {
    Segment line;
    std::optional<Segment> core;
};

struct SmoothFaceGeometry {
    int width, height; // the image, the client area
    // The ellipse the classic window is clipped to, its centre also the
    // marks' and the hands'.
    PointF centre;
    double dialRadiusX, dialRadiusY;
    double radius;                 // R: where the marks end, the second hand's length
    std::array<Segment, 60> marks; // flat ended, from 12 o'clock clockwise
    SmoothHand hourHand, minuteHand;
    std::optional<Segment> secondHand; // round ended, in its colour; none on a clock without one
    // The centre cap: a disc in the arrows' colour and one in the
    // background's over it, leaving a thin ring.
    double capRadius, capCoreRadius;
};

// hour is 0..23 (or -1 when the time is unknown), minute and second 0..59
// (or -1), as for ComputeFaceGeometry.
SmoothFaceGeometry ComputeSmoothFaceGeometry(int width, int height, int hour, int minute,
                                             int second, const PenWidths& pens = PenWidths{});

// The pixels the hands and the cap may touch, whole pixels around them:
// from one frame to the next only these change, unless the dial does.
struct PixelBox {
    int left, top, right, bottom; // right and bottom excluded
    bool operator==(const PixelBox& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
PixelBox HandsBounds(const SmoothFaceGeometry& g);

// On an image of the geometry's size: clears it, fills the dial in the
// background's colour, transparent outside it, and draws the marks.
void RenderSmoothDial(PixelImage& image, const SmoothFaceGeometry& g, const FaceStyle& style);
// Over the dial: the hour hand, its core, the minute hand, its core, the
// second hand and the cap, each only where the dial is.
void RenderSmoothHands(PixelImage& image, const SmoothFaceGeometry& g, const FaceStyle& style);

} // namespace face
