// FaceStyle: what the face is drawn with besides its geometry, the colours
// and pen widths the user chose. The defaults are the clock's classic look,
// which a settings file without these keys keeps pixel for pixel.
// ClampPenWidth: the widths a user may choose.
#pragma once

#include <algorithm>

namespace face {

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb& o) const
    {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

struct PenWidths {
    int hour = 5;
    int minute = 3;
    int scale = 3; // the twelve long marks; the others stay 1 pixel
    bool operator==(const PenWidths& o) const
    {
        return hour == o.hour && minute == o.minute && scale == o.scale;
    }
};

constexpr int kMinPenWidth = 1;
constexpr int kMaxPenWidth = 30;
inline int ClampPenWidth(int width) { return std::clamp(width, kMinPenWidth, kMaxPenWidth); }

struct FaceStyle {
    Rgb background{ 0, 0, 0 };   // the dial, the hands' core lines, the cap's core
    Rgb arrows{ 255, 255, 255 }; // hour and minute hands, marks, the cap's disc, texts
    Rgb secondArrow{ 255, 0, 0 };
    Rgb panelBox{ 153, 102, 10 };
    Rgb panelDigits{ 255, 102, 51 };
    PenWidths widths;
    bool operator==(const FaceStyle& o) const
    {
        return background == o.background && arrows == o.arrows && secondArrow == o.secondArrow &&
               panelBox == o.panelBox && panelDigits == o.panelDigits && widths == o.widths;
    }
};

} // namespace face
