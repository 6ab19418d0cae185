// FaceContent and FacePresenter: what one frame of the face shows, and one
// way of putting it on the clock window. The classic face is a GDI frame
// copied into a window clipped to its ellipse (RegionPresenter); the smooth
// one an anti-aliased image with its shape in its alpha, shown as a layered
// window (LayeredPresenter). The window hands each tick's content to
// whichever is active.
#pragma once

#include "face/face_style.h"
#include "time/clock_time.h"

#include <windows.h>

#include <string>

namespace clockwnd {

struct FaceContent {
    timekeeping::ClockTime time; // where the hands point
    std::string up, down;        // the texts above and below the centre
    std::string timeText;        // the digital panel's "HH:MM"
    bool panel = false;          // whether the panel is drawn
    bool secondHand = true;      // without it, the minute hand stays on its minute
    std::string date;            // the date window's "Mon 7"; no window when empty
    face::FaceStyle style;
};

// The hands' time as the face shows it: without a second hand the face
// changes once a minute, its minute hand on the minute.
inline int ShownSecond(const FaceContent& content)
{
    return content.secondHand ? content.time.second : 0;
}

class FacePresenter {
public:
    virtual ~FacePresenter() = default;

    // The content drawn for the window's client size and shown.
    virtual void Present(HWND window, const FaceContent& content) = 0;
    // A paint of the window: the kept frame, drawn anew only for a new
    // size, the time being the tick's to read.
    virtual void Paint(HWND window, HDC dc, const FaceContent& content) = 0;
    // The window has a new size.
    virtual void Resized(HWND window, const FaceContent& content) = 0;
    // The last frame's dial radius, 0 before the first.
    virtual double Radius() const = 0;
    // Lets go of every object made for the window.
    virtual void Release(HWND window) = 0;
};

} // namespace clockwnd
