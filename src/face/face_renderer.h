// Drawing the clock face into any device context:
//   DrawTools  - the pens, brushes and fonts of one size and style;
//   RenderDial - what stays for a minute: background, texts, panel, marks;
//   RenderHands - the hands and the centre cap, over the dial;
//   RenderFace - the whole frame, both in their order;
//   DialKey    - what the dial is made of, which the canvases keep it by;
//   ToColorRef - a style's colour as GDI takes it.
// The clock window keeps its tools and dial between ticks (FaceCanvas);
// the tests and the benchmark draw through the same functions.
#pragma once

#include "face/face_geometry.h"
#include "framework/gdi.h"

#include <string>

namespace face {

struct FaceTexts {
    const std::string& up;       // above the centre; nothing drawn when empty
    const std::string& down;     // below the centre; nothing drawn when empty
    const std::string& timeText; // the digital panel's "HH:MM"
    bool digitalPanel;           // whether the panel is drawn
    std::string date = {};       // the date window's text; no window when empty
};

// What a face's dial is made of: it is made again only when one changes.
struct DialKey {
    int width, height;
    FaceStyle style;
    std::string up, down, timeText, date;
    bool panel;
    bool operator==(const DialKey& o) const
    {
        return width == o.width && height == o.height && style == o.style && up == o.up &&
               down == o.down && timeText == o.timeText && date == o.date && panel == o.panel;
    }
};
DialKey DialKeyOf(int width, int height, const FaceTexts& texts, const FaceStyle& style);

COLORREF ToColorRef(const Rgb& rgb);

// Made for a geometry's width (the fonts and pen widths follow it) and a
// style; owns every object it makes.
struct DrawTools {
    DrawTools(const FaceGeometry& g, const FaceStyle& style);

    COLORREF arrows, background, panelDigits;
    CPen thin, scale, hour, minute, second, core;
    CBrush backgroundBrush, capBrush, panelBrush;
    CFont up, down, panel, date;
};

void RenderDial(HDC dc, const FaceGeometry& g, const FaceTexts& texts, const DrawTools& tools);
void RenderHands(HDC dc, const FaceGeometry& g, const DrawTools& tools);
void RenderFace(HDC dc, const FaceGeometry& g, const FaceTexts& texts, const FaceStyle& style);

} // namespace face
