#include "settings/window_placement.h"

#include <algorithm>
#include <climits>

namespace settings {

bool IsUsableWindowRect(const ScreenRect& rect)
{
    const std::int64_t width = rect.right - rect.left;
    const std::int64_t height = rect.bottom - rect.top;
    return width >= kMinWindowSide && height >= kMinWindowSide && width <= INT_MAX && height <= INT_MAX;
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
