#include "face/smooth_face.h"

#include <algorithm>
#include <cmath>

namespace face {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The point at distance r from the centre along the clock angle (degrees
// clockwise from 12).
PointF DialPoint(PointF centre, double angle, double r)
{
    const double theta = angle * (kPi / 180);
    return { centre.x + r * std::sin(theta), centre.y - r * std::cos(theta) };
}

Segment Radial(PointF centre, double angle, double from, double to, double width)
{
    return { DialPoint(centre, angle, from), DialPoint(centre, angle, to), width };
}

// A hand of width 1 or 2 would vanish under its core, so it has none.
SmoothHand Hand(PointF centre, double angle, double length, int width, double coreLength)
{
    SmoothHand hand{ Radial(centre, angle, 0, length, width), std::nullopt };
    if (width >= 3)
        hand.core = Radial(centre, angle, 0, coreLength, 1);
    return hand;
}

void DrawHand(PixelImage& image, const SmoothHand& hand, const FaceStyle& style)
{
    const Segment& line = hand.line;
    StrokeSegment(image, line.from, line.to, line.width, LineEnd::Round,
                  { style.arrows, 1, Blend::Atop });
    if (hand.core) {
        StrokeSegment(image, hand.core->from, hand.core->to, hand.core->width, LineEnd::Round,
                      { style.background, 1, Blend::Atop });
    }
}

} // namespace

SmoothFaceGeometry ComputeSmoothFaceGeometry(int width, int height, int hour, int minute,
                                             int second, const PenWidths& pens)
{
    SmoothFaceGeometry g{};
    g.width = width;
    g.height = height;
    // The classic window's region, the ellipse in (3, 5, width - 3, height - 3).
    g.centre = { width / 2.0, (height + 2) / 2.0 };
    g.dialRadiusX = (width - 6) / 2.0;
    g.dialRadiusY = (height - 8) / 2.0;
    g.radius = (width / 2) * 0.95;
    const double r = g.radius;

    for (int i = 0; i < 60; ++i) {
        const bool major = i % 5 == 0;
        g.marks[i] = Radial(g.centre, 6.0 * i, r - (major ? 7 : 3), r, major ? pens.scale : 1);
    }

    const int hour12 = hour > 12 ? hour - 12 : hour;
    const double hourLength = 0.7 * r;
    g.hourHand =
        Hand(g.centre, (hour12 + minute / 60.0) * 30, hourLength, pens.hour, hourLength + 4);
    const double minuteLength = 0.9 * r;
    g.minuteHand =
        Hand(g.centre, (minute + second / 60.0) * 6, minuteLength, pens.minute, minuteLength + 2);
    g.secondHand = Radial(g.centre, second * 6.0, 0, r, 1);
    g.capRadius = 8;
    g.capCoreRadius = 7;
    return g;
}

PixelBox HandsBounds(const SmoothFaceGeometry& g)
{
    double left = g.centre.x - g.capRadius, right = g.centre.x + g.capRadius;
    double top = g.centre.y - g.capRadius, bottom = g.centre.y + g.capRadius;
    const auto take = [&](const Segment& segment) {
        // A round end reaches half the width beyond its point.
        const double reach = segment.width / 2;
        for (const PointF& end : { segment.from, segment.to }) {
            left = std::min(left, end.x - reach);
            right = std::max(right, end.x + reach);
            top = std::min(top, end.y - reach);
            bottom = std::max(bottom, end.y + reach);
        }
    };
    for (const SmoothHand* hand : { &g.hourHand, &g.minuteHand }) {
        take(hand->line);
        if (hand->core)
            take(*hand->core);
    }
    if (g.secondHand)
        take(*g.secondHand);
    // Whole pixels, one more each way for the anti-aliased fringe, on the
    // image.
    return { std::max(0, static_cast<int>(std::floor(left)) - 1),
             std::max(0, static_cast<int>(std::floor(top)) - 1),
             std::min(g.width, static_cast<int>(std::ceil(right)) + 1),
             std::min(g.height, static_cast<int>(std::ceil(bottom)) + 1) };
}

void RenderSmoothDial(PixelImage& image, const SmoothFaceGeometry& g, const FaceStyle& style)
{
    image.Clear();
    FillEllipse(image, g.centre, g.dialRadiusX, g.dialRadiusY, { style.background });
    // Atop: on a window wider than high the marks run past the dial's top
    // and bottom, where the classic window's region cut them off.
    for (const Segment& mark : g.marks) {
        StrokeSegment(image, mark.from, mark.to, mark.width, LineEnd::Flat,
                      { style.arrows, 1, Blend::Atop });
    }
}

void RenderSmoothHands(PixelImage& image, const SmoothFaceGeometry& g, const FaceStyle& style)
{
    DrawHand(image, g.hourHand, style);
    DrawHand(image, g.minuteHand, style);
    if (const std::optional<Segment>& second = g.secondHand)
        StrokeSegment(image, second->from, second->to, second->width, LineEnd::Round,
                      { style.secondArrow, 1, Blend::Atop });
    FillEllipse(image, g.centre, g.capRadius, g.capRadius, { style.arrows, 1, Blend::Atop });
    FillEllipse(image, g.centre, g.capCoreRadius, g.capCoreRadius,
                { style.background, 1, Blend::Atop });
}

} // namespace face
