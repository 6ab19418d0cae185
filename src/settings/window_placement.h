// Rules for putting a saved window rectangle back on screen.
#pragma once

#include <cstdint>

namespace settings {

// Below this, in either direction, a saved rectangle is not applied: a
// window that small could not be seen, grabbed or resized.
constexpr int kMinWindowSide = 32;
// The range of window coordinates the system keeps.
constexpr int kMinCoordinate = -32768;
constexpr int kMaxCoordinate = 32767;

struct ScreenRect {
    std::int64_t left, top, right, bottom;
    bool operator==(const ScreenRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Whether a saved rectangle may be applied at all: at least kMinWindowSide
// each way, every edge within the system's coordinate range (64-bit, so
// that edges far apart cannot overflow).
bool IsUsableWindowRect(const ScreenRect& rect);

// The rectangle moved, size kept, so that it lies inside area as far as it
// fits; where it is larger than area, its top-left corner stays visible.
ScreenRect MoveInside(const ScreenRect& rect, const ScreenRect& area);

} // namespace settings
