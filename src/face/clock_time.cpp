#include "face/clock_time.h"

#include <cstdio>

namespace face {

std::string FormatTimeText(const timekeeping::ClockTime& time)
{
    if (!time.valid)
        return "Invalid DateTime";
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
    return text;
}

} // namespace face
