// Geometry of one clock-face frame, free of any drawing API:
//   FaceGeometry / ComputeFaceGeometry - centre, radius, marks, hands, fonts;
//   UpTextOrigin, DownTextOrigin, PanelLayout, ComputeDateLayout - where
//                                            measured texts go;
//   OffscreenImageSize - the image a frame is built in.
// Everything truncates toward zero exactly as the drawing has always done,
// so that the pixels stay where users know them.
#pragma once

#include "face/face_style.h"

#include <array>
#include <optional>

namespace face {

struct Point {
    int x;
    int y;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

struct Line {
    Point from;
    Point to; // not drawn itself: lines end one pixel short, as LineTo does
};

struct Box {
    int left, top, right, bottom; // right and bottom excluded
    bool operator==(const Box& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Arguments of CreateFont that vary with the dial size.
struct FontSpec {
    int height; // negative: character height in pixels
    int width;  // average character width
    int weight;
};

struct ScaleMark {
    Line line;
    bool major; // every fifth mark: its own pen width, longer mark
    int penWidth;
};

// A hand is a line in the hands' colour with a longer 1-pixel core line in
// the background's colour drawn over its middle, when it is wide enough to
// show one: over a hand of 1 or 2 pixels the core would hide the hand.
struct Hand {
    Line line;
    int penWidth;
    std::optional<Line> core;
};
constexpr int kMinHandWidthWithCore = 3;

struct FaceGeometry {
    int width, height; // client area W x H
    int cx, cy;        // centre
    double radius;     // R
    int radiusInt;     // trunc(R)
    std::array<ScaleMark, 60> marks;
    Hand hourHand;
    Hand minuteHand;
    std::optional<Line> secondHand; // none on a clock without one
    FontSpec upFont, downFont, panelFont, dateFont;
    Box capDisc; // disc in the hands' colour, drawn with the thin pen
    Box capCore; // region in the background's colour filled over it
};

// hour is 0..23 (or -1 when the time is unknown), minute and second 0..59
// (or -1).
FaceGeometry ComputeFaceGeometry(int width, int height, int hour, int minute, int second,
                                 const PenWidths& pens = PenWidths{});

// The point at distance r along the clock angle a (degrees clockwise from 12).
Point DialPoint(int cx, int cy, double angle, double r);

// Top-left corners of the texts, from their measured extent tw x th.
Point UpTextOrigin(const FaceGeometry& g, int textWidth);
Point DownTextOrigin(const FaceGeometry& g, int textWidth, int textHeight);

struct PanelLayout {
    Point text;
    Box box;
};
PanelLayout ComputePanelLayout(const FaceGeometry& g, int textWidth, int textHeight);
// The date window, as on a watch: its text centred on the horizontal
// through the centre, six tenths of the radius towards 3 o'clock, in a box
// two pixels wider on each side and one higher.
PanelLayout ComputeDateLayout(const FaceGeometry& g, int textWidth, int textHeight);

struct Size {
    int width, height;
};
// A frame is built in an image this much larger than the client area; the
// strip beyond it is never drawn on nor copied to the window.
Size OffscreenImageSize(int clientWidth, int clientHeight);

} // namespace face
