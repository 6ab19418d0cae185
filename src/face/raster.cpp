#include "face/raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace face {
namespace {

// A pixel whose centre is this far from a shape has no part of its square
// in it: half the square's diagonal is 0.7071.
constexpr double kReach = 0.75;

// Lengths below this are taken as zero.
constexpr double kTiny = 1e-12;

double Square(double v) { return v * v; }

// How far in to move a straight edge standing for a circle of the given
// radius, so that the coverage of the pixels along it adds up to the
// circle's area: a straight edge covers a little more of each than the arc.
double Bend(double radius) { return 1 / (24 * radius); }

// The part of a pixel's square on the inner side of a straight edge, from
// the signed distance s of the square's centre to the edge, positive
// inside, measured along the edge's unit normal. The square looks the same
// after a quarter turn or a mirror, so only the sizes of the normal's two
// components matter.
class EdgeProfile {
public:
    EdgeProfile(double nx, double ny)
    {
        const double a = std::max(std::abs(nx), std::abs(ny));
        const double b = std::min(std::abs(nx), std::abs(ny));
        m_corner = (a + b) / 2;
        m_straight = (a - b) / 2;
        m_invA = 1 / a;
        m_invTwoAB = b > kTiny ? 1 / (2 * a * b) : 0;
    }

    double operator()(double s) const
    {
        // From the centre to the farthest corner along the normal...
        if (s <= -m_corner)
            return 0;
        if (s >= m_corner)
            return 1;
        // ...within which the edge crosses two opposite sides...
        if (std::abs(s) <= m_straight)
            return 0.5 + s * m_invA;
        // ...or cuts a triangle off one corner.
        const double t = m_corner - std::abs(s);
        const double corner = t * t * m_invTwoAB;
        return s > 0 ? 1 - corner : corner;
    }

    // The part of the square within halfWidth of a line parallel to the
    // edge, the square's centre at offset from that line.
    double Band(double offset, double halfWidth) const
    {
        return std::clamp((*this)(halfWidth - offset) + (*this)(halfWidth + offset) - 1, 0.0, 1.0);
    }

private:
    double m_corner, m_straight, m_invA, m_invTwoAB;
};

std::uint32_t Opaque(const Rgb& c)
{
    const auto channel = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return 0xFF000000u | channel(c.red) << 16 | channel(c.green) << 8 | channel(c.blue);
}

// An opaque colour premultiplied by alpha.
std::uint32_t Faded(std::uint32_t colour, std::uint32_t alpha)
{
    const auto channel = [&](int shift) { return ((colour >> shift & 0xFF) * alpha + 127) / 255; };
    return alpha << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
}

// dst + (src - dst) * k / 256 in each channel, k 0..256, two channels to a
// multiply. Each channel is rounded alike, so a colour no larger than its
// alpha in dst and src stays so.
std::uint32_t Mix(std::uint32_t dst, std::uint32_t src, std::uint32_t k)
{
    const std::uint32_t keep = 256 - k;
    const std::uint32_t rb =
        ((dst & 0x00FF00FFu) * keep + (src & 0x00FF00FFu) * k + 0x00800080u) >> 8;
    const std::uint32_t ag =
        (dst >> 8 & 0x00FF00FFu) * keep + (src >> 8 & 0x00FF00FFu) * k + 0x00800080u;
    return (rb & 0x00FF00FFu) | (ag & 0xFF00FF00u);
}

class Painter {
public:
    explicit Painter(const Paint& paint)
        : m_colour(Opaque(paint.colour)), m_scale(256 * std::clamp(paint.opacity, 0.0, 1.0)),
          m_atop(paint.blend == Blend::Atop)
    {
    }

    void Put(std::uint32_t& pixel, double coverage) const
    {
        if (!(coverage > 0))
            return;
        const int k = static_cast<int>(std::min(coverage, 1.0) * m_scale + 0.5);
        if (k == 0)
            return;
        std::uint32_t source = m_colour;
        if (m_atop) {
            const std::uint32_t alpha = pixel >> 24;
            if (alpha == 0)
                return;
            if (alpha != 255)
                source = Faded(m_colour, alpha);
        }
        pixel = k == 256 ? source : Mix(pixel, source, k);
    }

private:
    std::uint32_t m_colour;
    double m_scale;
    bool m_atop;
};

// The pixels of a row (or the rows) whose centres lie in [lo, hi], within
// the image; first > last when there are none.
struct Span {
    int first, last;
};

Span CentresWithin(double lo, double hi, int size)
{
    if (!(lo <= hi))
        return { 0, -1 };
    // Clamped first, as far-out values have no int; then rounded up and
    // down by truncation, cheaper than std::ceil and std::floor.
    const double from = std::clamp(lo - 0.5, -1.0, double(size));
    const double to = std::clamp(hi - 0.5, -1.0, double(size));
    const int first = static_cast<int>(from);
    const int last = static_cast<int>(to);
    return { std::max(0, first + (first < from ? 1 : 0)),
             std::min(size - 1, last - (last > to ? 1 : 0)) };
}

// The points p with normal . (p - origin) <= limit, and what they leave of
// a row: x below or above a bound for a row at y.
class HalfPlane {
public:
    HalfPlane(PointF normal, double limit, PointF origin)
        : m_upper(normal.x > 0), m_level(std::abs(normal.x) < kTiny)
    {
        // normal.x * x <= limit + normal . origin - normal.y * y
        const double room = limit + normal.x * origin.x + normal.y * origin.y;
        m_base = m_level ? room : room / normal.x;
        m_slope = m_level ? -normal.y : -normal.y / normal.x;
    }

    void Narrow(double y, double& lo, double& hi) const
    {
        const double bound = m_base + m_slope * y;
        if (m_level) {
            if (bound < 0)
                hi = -std::numeric_limits<double>::infinity();
        } else if (m_upper) {
            hi = std::min(hi, bound);
        } else {
            lo = std::max(lo, bound);
        }
    }

private:
    bool m_upper, m_level;
    double m_base, m_slope;
};

// A rectangle as four half planes.
using Quad = std::array<HalfPlane, 4>;

// The pixels of the row at y whose centres the rectangle holds.
Span RowWithin(const Quad& quad, double y, int size)
{
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    for (const HalfPlane& side : quad)
        side.Narrow(y, lo, hi);
    return CentresWithin(lo, hi, size);
}

} // namespace

void FillEllipse(PixelImage& image, PointF centre, double radiusX, double radiusY,
                 const Paint& paint)
{
    if (!(radiusX > 0 && radiusY > 0))
        return;
    const Painter painter(paint);
    // Scaled by grow the ellipse holds every pixel that touches it; scaled
    // by shrink, only pixels it wholly covers. The boundary moves by at
    // least the smaller radius times the scale's change.
    const double smaller = std::min(radiusX, radiusY);
    const double grow = 1 + kReach / smaller;
    const double shrink = 1 - kReach / smaller;
    // A straight edge overstates a curved one's coverage; moved in by this
    // much, it makes up for it on average along a disc's rim.
    const double bend = Bend(std::sqrt(radiusX * radiusY));
    const double invX2 = 1 / Square(radiusX);
    const double invY2 = 1 / Square(radiusY);
    const auto coverage = [&](double x, double y) {
        const double gx = x * invX2;
        const double gy = y * invY2;
        const double level = std::sqrt(x * gx + y * gy); // 1 on the boundary
        const double slope = std::sqrt(gx * gx + gy * gy);
        if (slope < kTiny)
            return level <= 1 ? 1.0 : 0.0;
        // The distance outside to first order: the level's excess over the
        // length of its gradient.
        const double outside = (level - 1) * level / slope;
        return EdgeProfile(gx / slope, gy / slope)(-outside - bend);
    };

    const Span rows =
        CentresWithin(centre.y - radiusY * grow, centre.y + radiusY * grow, image.Height());
    for (int y = rows.first; y <= rows.last; ++y) {
        const double dy = y + 0.5 - centre.y;
        const double outer =
            radiusX * grow * std::sqrt(std::max(0.0, 1 - Square(dy / (radiusY * grow))));
        const Span span = CentresWithin(centre.x - outer, centre.x + outer, image.Width());
        Span full{ 0, -1 };
        if (shrink > 0 && std::abs(dy) < radiusY * shrink) {
            const double inner = radiusX * shrink * std::sqrt(1 - Square(dy / (radiusY * shrink)));
            full = CentresWithin(centre.x - inner, centre.x + inner, image.Width());
        }
        std::uint32_t* row = image.Row(y);
        for (int x = span.first; x <= span.last; ++x) {
            const bool inside = x >= full.first && x <= full.last;
            painter.Put(row[x], inside ? 1.0 : coverage(x + 0.5 - centre.x, dy));
        }
    }
}

void StrokeSegment(PixelImage& image, PointF from, PointF to, double width, LineEnd ends,
                   const Paint& paint)
{
    const bool round = ends == LineEnd::Round;
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    if (!(width > 0) || !std::isfinite(length) || (!round && length < kTiny))
        return;
    // Unit vectors along the line and across it; a round dot of no length
    // takes any direction.
    const PointF along = length < kTiny
                             ? PointF{ 1, 0 }
                             : PointF{ (to.x - from.x) / length, (to.y - from.y) / length };
    const PointF across{ -along.y, along.x };
    const double half = width / 2;
    const double beyond = round ? half : 0; // how far the ends reach past the end points
    // One profile for both directions: they are a quarter turn apart.
    const EdgeProfile edge(across.x, across.y);
    const double endBend = Bend(half);
    const auto coverage = [&](double x, double y) {
        const double rx = x - from.x;
        const double ry = y - from.y;
        const double t = along.x * rx + along.y * ry;
        if (!round)
            return edge.Band(across.x * rx + across.y * ry, half) *
                   edge.Band(t - length / 2, length / 2);
        if (t >= 0 && t <= length)
            return edge.Band(across.x * rx + across.y * ry, half);
        // Past an end the edge is the end's half circle, taken as straight
        // across the pixel, square to the way to its centre, and moved in
        // as a disc's rim is.
        const double ex = t < 0 ? rx : x - to.x;
        const double ey = t < 0 ? ry : y - to.y;
        const double distance = std::sqrt(ex * ex + ey * ey);
        if (distance < kTiny)
            return edge.Band(0, half);
        return EdgeProfile(ex / distance, ey / distance).Band(distance + endBend, half);
    };

    // The line's rectangle grown by kReach on every side: whatever is
    // outside it has no coverage. Shrunk by kReach, and without the round
    // ends, it holds only pixels the line wholly covers: the inside of a
    // wide hand costs no more than a rectangle's.
    const double side = half + kReach;
    const double back = beyond + kReach;
    const double ahead = length + beyond + kReach;
    const PointF away{ -across.x, -across.y };
    const PointF behind{ -along.x, -along.y };
    const Quad outer{ { { across, side, from },
                        { away, side, from },
                        { along, ahead, from },
                        { behind, back, from } } };
    const double inset = round ? 0 : kReach;
    const Quad inner{ { { across, half - kReach, from },
                        { away, half - kReach, from },
                        { along, length - inset, from },
                        { behind, -inset, from } } };
    double top = from.y;
    double bottom = from.y;
    for (const double t : { -back, ahead }) {
        for (const double u : { -side, side }) {
            const double y = from.y + along.y * t + across.y * u;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }

    const Painter painter(paint);
    const Span rows = CentresWithin(top, bottom, image.Height());
    for (int y = rows.first; y <= rows.last; ++y) {
        const double yc = y + 0.5;
        const Span span = RowWithin(outer, yc, image.Width());
        const Span full = RowWithin(inner, yc, image.Width());
        std::uint32_t* row = image.Row(y);
        for (int x = span.first; x <= span.last; ++x) {
            const bool inside = x >= full.first && x <= full.last;
            painter.Put(row[x], inside ? 1.0 : coverage(x + 0.5, yc));
        }
    }
}

void FillRect(PixelImage& image, double left, double top, double right, double bottom,
              const Paint& paint)
{
    if (!(right > left && bottom > top))
        return;
    // Exact: the part of pixel [i, i + 1) within [lo, hi) in each direction.
    const auto overlap = [](int i, double lo, double hi) {
        return std::clamp(std::min(i + 1.0, hi) - std::max(double(i), lo), 0.0, 1.0);
    };
    const Painter painter(paint);
    const Span rows = CentresWithin(top - 0.5, bottom + 0.5, image.Height());
    const Span columns = CentresWithin(left - 0.5, right + 0.5, image.Width());
    for (int y = rows.first; y <= rows.last; ++y) {
        const double high = overlap(y, top, bottom);
        std::uint32_t* row = image.Row(y);
        for (int x = columns.first; x <= columns.last; ++x)
            painter.Put(row[x], high * overlap(x, left, right));
    }
}

void BlendMask(PixelImage& image, const CoverageMask& mask, int left, int top, const Paint& paint)
{
    const Painter painter(paint);
    const int firstX = std::max(0, left);
    const int endX = std::min(image.Width(), left + mask.width);
    const int firstY = std::max(0, top);
    const int endY = std::min(image.Height(), top + mask.height);
    for (int y = firstY; y < endY; ++y) {
        const std::uint8_t* values =
            mask.values + static_cast<std::ptrdiff_t>(y - top) * mask.stride;
        std::uint32_t* row = image.Row(y);
        for (int x = firstX; x < endX; ++x)
            painter.Put(row[x], values[x - left] * (1.0 / 255));
    }
}

} // namespace face
