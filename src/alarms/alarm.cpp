#include "alarms/alarm.h"

#include <cstdio>

namespace alarms {

std::string TimeText(const Alarm& alarm)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", alarm.hour, alarm.minute);
    return text;
}

std::string MissedNotice(const Alarm& alarm)
{
    std::string notice = "Missed alarm: " + TimeText(alarm);
    if (!alarm.label.empty())
        notice += " " + alarm.label;
    return notice;
}

} // namespace alarms
