#include "clockwnd/window_geometry.h"

#include "settings/window_placement.h"

namespace clockwnd {

face::Box RoundRegionBox(int width, int height) { return { 3, 5, width - 3, height - 3 }; }

std::optional<face::Box> ArrowKeyResize(const face::Box& window, int delta,
                                        const face::Box& workArea)
{
    const int width = window.right - window.left + 2 * delta;
    const int height = window.bottom - window.top + 2 * delta;
    if (delta < 0 && (width < settings::kMinWindowSide || height < settings::kMinWindowSide))
        return std::nullopt;
    if (delta > 0 &&
        (width > workArea.right - workArea.left || height > workArea.bottom - workArea.top))
        return std::nullopt;
    return face::Box{ window.left - delta, window.top - delta, window.left - delta + width,
                      window.top - delta + height };
}

} // namespace clockwnd
