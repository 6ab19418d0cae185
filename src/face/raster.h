// Anti-aliased drawing of the smooth face's shapes into a PixelImage:
//   Paint - a colour, an opacity and how it goes onto what is there;
//   FillEllipse - an axis-aligned ellipse, or a disc;
//   StrokeSegment - a straight line of some width, round or flat ends;
//   FillRect - a rectangle with fractional edges;
//   BlendMask - an 8-bit coverage mask (text drawn elsewhere) in one colour.
// Pixel (x, y) is the square [x, x+1) x [y, y+1). Each pixel takes the part
// of its square the shape covers, from the shape's edges as straight lines
// across the pixel, and only the pixels near a shape are visited.
#pragma once

#include "face/face_style.h"
#include "face/pixel_image.h"

#include <cstdint>

namespace face {

struct PointF {
    double x, y;
};

enum class Blend {
    // Source over: the colour covers what is there by the shape's coverage.
    Over,
    // As Over, but also weighted by the alpha already there, which it keeps:
    // nothing lands on transparent pixels, so what is drawn on the dial
    // stays inside its anti-aliased rim.
    Atop,
};

struct Paint {
    Rgb colour;
    double opacity = 1.0; // 0..1
    Blend blend = Blend::Over;
};

enum class LineEnd {
    Round, // a half disc of the line's width beyond each end
    Flat,  // cut square at the end points
};

void FillEllipse(PixelImage& image, PointF centre, double radiusX, double radiusY,
                 const Paint& paint);
void StrokeSegment(PixelImage& image, PointF from, PointF to, double width, LineEnd ends,
                   const Paint& paint);
// Right and bottom are the far edges, as the pixel squares have theirs.
void FillRect(PixelImage& image, double left, double top, double right, double bottom,
              const Paint& paint);

// 0 (nothing) to 255 (all covered) per pixel, rows top-down, stride bytes
// from one row to the next.
struct CoverageMask {
    const std::uint8_t* values;
    int width, height, stride;
};
// The mask's top-left value goes on pixel (left, top).
void BlendMask(PixelImage& image, const CoverageMask& mask, int left, int top, const Paint& paint);

} // namespace face
