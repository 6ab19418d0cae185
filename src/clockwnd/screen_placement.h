// Where the clock goes on the monitors there are, free of any platform API:
//   MonitorAreas    - one monitor's whole rectangle and its work area;
//   NearestMonitor  - the monitor the system calls nearest to a rectangle;
//   PlaceSavedRect  - a rectangle from the settings file, as it is applied;
//   KeepOnScreen    - the clock after the monitors or a work area changed.
// Both bring the clock whole into the nearest monitor's work area by
// settings::MoveInside; they differ in when they do.
#pragma once

#include "settings/window_placement.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace clockwnd {

struct MonitorAreas {
    settings::ScreenRect monitor, work;
};

// The monitor with the largest part of rect on it, else the one closest to
// it; the first of equals. Not for an empty list.
std::size_t NearestMonitor(const settings::ScreenRect& rect,
                           const std::vector<MonitorAreas>& monitors);

// Taken as saved as long as any of it lies on a monitor: the user may have
// put it half off the edge on purpose.
settings::ScreenRect PlaceSavedRect(const settings::ScreenRect& rect,
                                    const std::vector<MonitorAreas>& monitors);

// Nothing while the clock lies wholly inside some monitor's work area;
// else the rectangle to move it to.
std::optional<settings::ScreenRect> KeepOnScreen(const settings::ScreenRect& rect,
                                                 const std::vector<MonitorAreas>& monitors);

} // namespace clockwnd
