// AccessibleName: the clock window's text, which a screen reader speaks as
// its name - the time and the date in words, in the clock's own zone
// (clockwnd/clock_name.h) - set when the minute changes, not at every tick,
// and told to screen readers once each time.
#pragma once

#include "time/clock_time.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace clockwnd {

class AccessibleName {
public:
    // Names window after time unless it was named for that minute already;
    // true when the name changed.
    bool Update(HWND window, const timekeeping::ClockTime& time);
    // The last name given; the program's name before the first.
    const std::string& Text() const { return m_text; }

private:
    HWND m_window = nullptr;
    std::int64_t m_minute = 0;
    std::string m_text = "Zentim";
    // Whether setting the text raises EVENT_OBJECT_NAMECHANGE by itself.
    std::optional<bool> m_systemTells;
};

} // namespace clockwnd
