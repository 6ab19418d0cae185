#include "settings/window_placement.h"

#include <algorithm>

namespace settings {

bool IsUsableWindowRect(const ScreenRect& rect)
{
    // Window positions and sizes are kept in 16 bits: a move beyond them is
    // cut short, and could leave the window on no monitor at all.
    for (const std::int64_t edge : { rect.left, rect.top, rect.right, rect.bottom }) {
        if (edge < kMinCoordinate || edge > kMaxCoordinate)
            return false;
    }
    return rect.right - rect.left >= kMinWindowSide && rect.bottom - rect.top >= kMinWindowSide;
}

ScreenRect MoveInside(const ScreenRect& rect, const ScreenRect& area)
{
    const std::int64_t width = rect.right - rect.left;
    const std::int64_t height = rect.bottom - rect.top;
    const std::int64_t left = std::max(area.left, std::min(rect.left, area.right - width));
    const std::int64_t top = std::max(area.top, std::min(rect.top, area.bottom - height));
    return { left, top, left + width, top + height };
}

} // namespace settings
