#include "face/face_geometry.h"

#include <algorithm>
#include <cmath>

namespace face {
namespace {

// The dial has always used this pi and this nearest double to 1/180; the
// full-precision values move some hand ends by a pixel.
constexpr double kPi = 3.1415926535;
constexpr double kDegree = 0.005555555555555556;
constexpr double kRadian = kPi * kDegree;
constexpr double kOneSixtieth = 0.016666666666666666;

int Trunc(double v) { return static_cast<int>(v); }

Line Radial(int cx, int cy, double angle, double r)
{
    return { { cx, cy }, DialPoint(cx, cy, angle, r) };
}

std::optional<Line> CoreOf(int handWidth, const Line& core)
{
    if (handWidth < kMinHandWidthWithCore)
        return std::nullopt;
    return core;
}

} // namespace

Point DialPoint(int cx, int cy, double angle, double r)
{
    const double drawing = angle > 90 ? angle - 90 : angle + 270;
    const double theta = drawing * kRadian;
    return { cx + Trunc(r * std::cos(theta)), cy + Trunc(r * std::sin(theta)) };
}

FaceGeometry ComputeFaceGeometry(int width, int height, int hour, int minute, int second,
                                 const PenWidths& pens)
{
    FaceGeometry g{};
    g.width = width;
    g.height = height;
    g.cx = width / 2;
    g.cy = height / 2;
    g.radius = (width / 2) * 0.95;
    g.radiusInt = Trunc(g.radius);
    const double r = g.radius;

    for (int i = 0; i < 60; ++i) {
        const bool major = i % 5 == 0;
        const double angle = 6.0 * i;
        const double inner = r - (major ? 7 : 3);
        g.marks[i] = { { DialPoint(g.cx, g.cy, angle, inner), DialPoint(g.cx, g.cy, angle, r) },
                       major,
                       major ? pens.scale : 1 };
    }

    const int hour12 = hour > 12 ? hour - 12 : hour;
    const double hourAngle = (hour12 + minute * kOneSixtieth) * 30;
    const double hourLength = 0.7 * r;
    g.hourHand = { Radial(g.cx, g.cy, hourAngle, hourLength), pens.hour,
                   CoreOf(pens.hour, Radial(g.cx, g.cy, hourAngle, hourLength + 4)) };
    const double minuteAngle = (minute + second * kOneSixtieth) * 6;
    const double minuteLength = 0.9 * r;
    g.minuteHand = { Radial(g.cx, g.cy, minuteAngle, minuteLength), pens.minute,
                     CoreOf(pens.minute, Radial(g.cx, g.cy, minuteAngle, minuteLength + 2)) };
    g.secondHand = Radial(g.cx, g.cy, second * 6.0, r);

    const int n = Trunc(0.15 * r);
    const int p = Trunc(0.17 * r);
    g.upFont = { -(n + 2), n - 2, 300 };
    g.downFont = { -n, n, 400 };
    g.panelFont = { -p, p, 600 };
    // Never 0, which would ask for the font's default height.
    g.dateFont = { -std::max(1, Trunc(0.1 * r)), 0, 600 };

    g.capDisc = { g.cx - 8, g.cy - 8, g.cx + 8, g.cy + 8 };
    g.capCore = { g.cx - 7, g.cy - 7, g.cx + 8, g.cy + 8 };
    return g;
}

Point UpTextOrigin(const FaceGeometry& g, int textWidth)
{
    return { g.cx - textWidth / 2, g.cy - g.radiusInt / 2 };
}

Point DownTextOrigin(const FaceGeometry& g, int textWidth, int textHeight)
{
    return { g.cx - textWidth / 2, g.cy + g.radiusInt / 2 - Trunc(1.5 * textHeight) };
}

PanelLayout ComputePanelLayout(const FaceGeometry& g, int textWidth, int textHeight)
{
    const int x = g.cx - textWidth / 2;
    const int y = g.cy + g.radiusInt / 2;
    return { { x, y }, { x - 2, y - 2, g.cx + textWidth / 2 + 2, y + textHeight + 2 } };
}

PanelLayout ComputeDateLayout(const FaceGeometry& g, int textWidth, int textHeight)
{
    const int x = g.cx + Trunc(0.6 * g.radius) - textWidth / 2;
    const int y = g.cy - textHeight / 2;
    return { { x, y }, { x - 2, y - 1, x + textWidth + 2, y + textHeight + 1 } };
}

Size OffscreenImageSize(int clientWidth, int clientHeight)
{
    return { clientWidth + 5, clientHeight + 1 };
}

} // namespace face
