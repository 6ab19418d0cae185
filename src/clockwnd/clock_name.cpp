#include "clockwnd/clock_name.h"

#include "face/clock_time.h"

namespace clockwnd {

std::string ClockName(const timekeeping::ClockTime& time, const std::string& spokenDate)
{
    if (!time.valid)
        return "Zentim";
    std::string name = "Zentim, " + face::FormatTimeText(time);
    if (!spokenDate.empty())
        name += ", " + spokenDate;
    return name;
}

std::string TrayTipText(const std::string& name, const std::string& label)
{
    return label.empty() ? name : name + "\n" + label;
}

std::int64_t MinuteOf(const timekeeping::ClockTime& time)
{
    if (!time.valid)
        return -1;
    // The local date and time the name says, as one number: it changes
    // exactly when the name's words do, also when the clock is set back.
    return ((((static_cast<std::int64_t>(time.year) * 13 + time.month) * 32 + time.day) * 24 +
             time.hour) *
                60 +
            time.minute);
}

} // namespace clockwnd
