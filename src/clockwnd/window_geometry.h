// Geometry of the clock window, free of any platform API:
//   RoundRegionBox - the ellipse the window is clipped to;
//   ArrowKeyResize - the window after one press of Up or Down.
#pragma once

#include "face/face_geometry.h"

#include <optional>

namespace clockwnd {

// In window coordinates: 3 pixels in from the left and right, 5 from the
// top, 3 from the bottom. Not centred vertically, as it always was.
face::Box RoundRegionBox(int width, int height);

// The window grown (delta +1) or shrunk (-1) by one pixel on every side
// around its centre; nothing when it would then be too small to see or to
// grab (below settings::kMinWindowSide either way), or, growing, larger
// than the work area, whose edges it could no longer reach.
std::optional<face::Box> ArrowKeyResize(const face::Box& window, int delta,
                                        const face::Box& workArea);

} // namespace clockwnd
