// When the clock steps out of the way of a full-screen program, free of
// any platform API:
//   ForegroundWindow    - what the clock knows of the window in front;
//   CoversMonitor       - whether a window's rectangle covers a monitor's;
//   IsShellWindowClass  - the desktop and the taskbar, which never count;
//   HidesClock          - whether that window hides a clock on that monitor.
#pragma once

#include "face/face_geometry.h"

#include <string>

namespace clockwnd {

struct ForegroundWindow {
    face::Box rect;        // in screen coordinates
    std::string className; // its window class's name
    bool visible;          // shown and not minimised
    bool clocksOwn;        // the clock itself, or a window it owns
};

// The whole monitor, up to its edges and beyond: a window one pixel short
// of an edge leaves the clock something to stand on.
bool CoversMonitor(const face::Box& window, const face::Box& monitor);

// The desktop (Progman, WorkerW, the system's own "#32769") and the
// taskbars: they fill a monitor, or come to the front, without being a
// film or a game.
bool IsShellWindowClass(const std::string& className);

bool HidesClock(const ForegroundWindow& window, const face::Box& clockMonitor);

} // namespace clockwnd
