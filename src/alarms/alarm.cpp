#include "alarms/alarm.h"

#include <algorithm>
#include <cstdio>

namespace alarms {

std::string TimeText(const Alarm& alarm)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", alarm.hour, alarm.minute);
    return text;
}

std::string RepeatText(const Alarm& alarm)
{
    if (alarm.once)
        return "Once";
    if (alarm.days == kEveryDay)
        return "Every day";
    static const char* const kNames[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    std::string text;
    for (int i = 1; i <= 7; ++i) {
        const int weekday = i % 7;
        if (alarm.days >> weekday & 1)
            text += (text.empty() ? "" : " ") + std::string(kNames[weekday]);
    }
    return text.empty() ? "Never" : text;
}

std::string MissedNotice(const Alarm& alarm)
{
    std::string notice = "Missed alarm: " + TimeText(alarm);
    if (!alarm.label.empty())
        notice += " " + alarm.label;
    return notice;
}

std::vector<Alarm> KeepSpentOff(std::vector<Alarm> edited, const std::vector<Alarm>& opened,
                                const std::vector<Alarm>& now)
{
    for (size_t i = 0; i < opened.size() && i < now.size(); ++i) {
        if (!opened[i].on || now[i].on)
            continue;
        // One turned off no longer matches: a twin of it takes the next.
        const auto same = std::find(edited.begin(), edited.end(), opened[i]);
        if (same != edited.end())
            same->on = false;
    }
    return edited;
}

} // namespace alarms
