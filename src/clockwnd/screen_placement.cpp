#include "clockwnd/screen_placement.h"

#include <algorithm>
#include <cstdint>

namespace clockwnd {
namespace {

using settings::ScreenRect;

std::int64_t OverlapArea(const ScreenRect& a, const ScreenRect& b)
{
    const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// Squared, between the nearest points of the two.
std::int64_t Distance(const ScreenRect& a, const ScreenRect& b)
{
    const std::int64_t dx = std::max<std::int64_t>({ 0, b.left - a.right, a.left - b.right });
    const std::int64_t dy = std::max<std::int64_t>({ 0, b.top - a.bottom, a.top - b.bottom });
    return dx * dx + dy * dy;
}

bool Inside(const ScreenRect& rect, const ScreenRect& area)
{
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right &&
           rect.bottom <= area.bottom;
}

ScreenRect IntoNearest(const ScreenRect& rect, const std::vector<MonitorAreas>& monitors)
{
    return settings::MoveInside(rect, monitors[NearestMonitor(rect, monitors)].work);
}

} // namespace

std::size_t NearestMonitor(const ScreenRect& rect, const std::vector<MonitorAreas>& monitors)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < monitors.size(); ++i) {
        const std::int64_t overlap = OverlapArea(rect, monitors[i].monitor);
        const std::int64_t bestOverlap = OverlapArea(rect, monitors[best].monitor);
        if (overlap > bestOverlap ||
            (overlap == 0 && bestOverlap == 0 &&
             Distance(rect, monitors[i].monitor) < Distance(rect, monitors[best].monitor)))
            best = i;
    }
    return best;
}

ScreenRect PlaceSavedRect(const ScreenRect& rect, const std::vector<MonitorAreas>& monitors)
{
    const bool onSome = std::any_of(monitors.begin(), monitors.end(), [&](const MonitorAreas& m) {
        return OverlapArea(rect, m.monitor) > 0;
    });
    return onSome || monitors.empty() ? rect : IntoNearest(rect, monitors);
}

std::optional<ScreenRect> KeepOnScreen(const ScreenRect& rect,
                                       const std::vector<MonitorAreas>& monitors)
{
    const bool inside = std::any_of(monitors.begin(), monitors.end(),
                                    [&](const MonitorAreas& m) { return Inside(rect, m.work); });
    if (inside || monitors.empty())
        return std::nullopt;
    return IntoNearest(rect, monitors);
}

} // namespace clockwnd
