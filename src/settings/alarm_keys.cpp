#include "settings/alarm_keys.h"

#include "settings/settings_text.h"

#include <algorithm>

namespace settings {
namespace {

using alarms::Alarm;

const char* const kFields[] = { "time", "days", "label", "sound", "on" };

constexpr char kDaily[] = "daily";
constexpr char kOnce[] = "once";

// In the order a day list is written, the week starting on Monday.
const struct {
    const char* name;
    int weekday;
} kDays[] = { { "mon", 1 }, { "tue", 2 }, { "wed", 3 }, { "thu", 4 },
              { "fri", 5 }, { "sat", 6 }, { "sun", 0 } };

std::string Key(int number, const char* field)
{
    return "alarm" + std::to_string(number) + "_" + field;
}

// A number of minDigits to maxDigits decimal digits and nothing else, which
// ParseNumber alone would accept from "3x" or " 3".
std::optional<int> DigitsOnly(const std::string& text, size_t minDigits, size_t maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return ParseNumber(text);
}

// "07:30"; a single hour digit is taken too, as someone editing the file by
// hand may write "7:30".
bool ParseTime(const std::string& text, Alarm& alarm)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return false;
    const std::optional<int> hour = DigitsOnly(text.substr(0, colon), 1, 2);
    const std::optional<int> minute = DigitsOnly(text.substr(colon + 1), 2, 2);
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return false;
    alarm.hour = *hour;
    alarm.minute = *minute;
    return true;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return text;
}

// The day list's first name that is no day, or nothing when every one is.
// Names are taken in any case and with blanks around them, as a hand-edited
// file may have them.
std::optional<std::string> ParseDays(const std::string& text, Alarm& alarm)
{
    const std::string whole = Lowered(Trimmed(text));
    alarm.once = whole == kOnce;
    alarm.days = whole == kDaily ? alarms::kEveryDay : 0;
    if (whole == kOnce || whole == kDaily)
        return std::nullopt;
    std::vector<std::string> names;
    SplitString(names, text, ",");
    for (const std::string& name : names) {
        const std::string lower = Lowered(Trimmed(name));
        const auto day = std::find_if(std::begin(kDays), std::end(kDays),
                                      [&](const auto& d) { return lower == d.name; });
        if (day == std::end(kDays))
            return Trimmed(name);
        alarm.days |= 1 << day->weekday;
    }
    return std::nullopt;
}

// Why the alarm of that number cannot be read, or nothing when it was read
// into alarm.
std::optional<std::string> ReadAlarm(const Lookup& lookup, int number, const std::string& time,
                                     Alarm& alarm)
{
    if (!ParseTime(time, alarm))
        return "bad time " + Quoted(time);
    if (const std::optional<std::string> days = lookup(Key(number, "days"))) {
        if (const std::optional<std::string> unknown = ParseDays(*days, alarm))
            return "unknown day " + Quoted(*unknown);
    }
    alarm.label = lookup(Key(number, "label")).value_or("");
    alarm.sound = lookup(Key(number, "sound")).value_or("");
    if (const std::optional<std::string> on = lookup(Key(number, "on"))) {
        const std::optional<int> value = ParseNumber(*on);
        if (!value)
            return "bad on/off " + Quoted(*on);
        alarm.on = *value != 0;
    }
    return std::nullopt;
}

std::string DaysText(const Alarm& alarm)
{
    if (alarm.once)
        return kOnce;
    if (alarm.days == alarms::kEveryDay)
        return kDaily;
    std::string text;
    for (const auto& day : kDays) {
        if (alarm.days & 1 << day.weekday)
            text += (text.empty() ? "" : ",") + std::string(day.name);
    }
    return text;
}

} // namespace

LoadedAlarms ReadAlarms(const Lookup& lookup)
{
    LoadedAlarms loaded;
    for (int number = 1; number <= alarms::kMaxAlarms; ++number) {
        const std::optional<std::string> time = lookup(Key(number, "time"));
        if (!time)
            continue;
        Alarm alarm;
        if (const std::optional<std::string> why = ReadAlarm(lookup, number, *time, alarm))
            loaded.messages += "Can`t load alarm " + std::to_string(number) + ": " + *why + "\n";
        else
            loaded.alarms.push_back(alarm);
    }
    return loaded;
}

AlarmKeys WriteAlarms(const std::vector<Alarm>& list)
{
    AlarmKeys keys;
    const int count = std::min(static_cast<int>(list.size()), alarms::kMaxAlarms);
    for (int i = 0; i < count; ++i) {
        const Alarm& alarm = list[i];
        const int number = i + 1;
        keys.values.emplace_back(Key(number, "time"), alarms::TimeText(alarm));
        keys.values.emplace_back(Key(number, "days"), DaysText(alarm));
        keys.values.emplace_back(Key(number, "label"), Quoted(alarm.label));
        keys.values.emplace_back(Key(number, "sound"), Quoted(alarm.sound));
        keys.values.emplace_back(Key(number, "on"), alarm.on ? "1" : "0");
    }
    for (int number = count + 1; number <= alarms::kMaxAlarms; ++number) {
        for (const char* field : kFields)
            keys.removed.push_back(Key(number, field));
    }
    return keys;
}

} // namespace settings
