// The [Alarms] keys: what a load takes from them and says about the alarms
// it skips, what a save writes and removes, and that it reads back equal.
#include "settings/alarm_keys.h"
#include "settings/ini_document.h"

#include <gtest/gtest.h>

namespace {

using alarms::Alarm;

constexpr std::uint8_t kWeekdays = 0x3e;

settings::LoadedAlarms Read(const settings::IniDocument& store)
{
    return settings::ReadAlarms(
        [&](const std::string& key) { return store.Read(settings::kAlarmsSection, key.c_str()); });
}

// Absent keys take their defaults; days, times and switches as a hand-edited
// file may have them; numbers with gaps, none beyond 16. What cannot be read
// is skipped with a line.
TEST(AlarmKeys, LoadTakesWhatItCanReadAndSaysWhatItSkips)
{
    const settings::LoadedAlarms loaded = Read(settings::IniDocument(
        "[Alarms]\nalarm1_time=07:30\nalarm1_days=mon,tue,wed,thu,fri\nalarm1_label=\"Stand-up\"\n"
        "alarm1_sound=\"\"\nalarm1_on=1\nalarm2_time=23:59\nalarm3_time=25:61\n"
        "alarm4_time=7:05\nalarm4_days= Sun , SAT\nalarm4_on=0\nalarm4_sound=\"C:\\ring.wav\"\n"
        "alarm5_time=7:3x\nalarm6_time=24:00\nalarm7_time=07:60\nalarm8_time=0730\n"
        "alarm9_time=07:5\nalarm10_time=-1:30\nalarm11_time=07:30\nalarm11_days=mon,tu\n"
        "alarm12_time=07:30\nalarm12_days=\nalarm13_time=07:30\nalarm13_on=yes\n"
        "alarm16_time=00:00\nalarm16_days=Daily\nalarm17_time=08:00\n"));
    EXPECT_EQ(loaded.alarms,
              (std::vector<Alarm>{ { 7, 30, false, kWeekdays, "Stand-up", "", true },
                                   { 23, 59, true, 0, "", "", true },
                                   { 7, 5, false, 0x41, "", "C:\\ring.wav", false },
                                   { 0, 0, false, alarms::kEveryDay, "", "", true } }));
    EXPECT_EQ(loaded.messages, "Can`t load alarm 3: bad time \"25:61\"\n"
                               "Can`t load alarm 5: bad time \"7:3x\"\n"
                               "Can`t load alarm 6: bad time \"24:00\"\n"
                               "Can`t load alarm 7: bad time \"07:60\"\n"
                               "Can`t load alarm 8: bad time \"0730\"\n"
                               "Can`t load alarm 9: bad time \"07:5\"\n"
                               "Can`t load alarm 10: bad time \"-1:30\"\n"
                               "Can`t load alarm 11: unknown day \"tu\"\n"
                               "Can`t load alarm 12: unknown day \"\"\n"
                               "Can`t load alarm 13: bad on/off \"yes\"\n");
}

// Numbered from 1 in the list's order, days from Monday; the numbers after
// the list up to 16 are removed, and a list longer than 16 is cut there.
TEST(AlarmKeys, SaveWritesTheListAndRemovesTheRest)
{
    const settings::AlarmKeys keys =
        settings::WriteAlarms({ { 7, 30, false, kWeekdays, "Stand-up", "", true },
                                { 21, 5, false, 0x41, "", "D:\\b.wav", false },
                                { 0, 0, false, alarms::kEveryDay, "x", "", true } });
    std::string text;
    for (const auto& [key, value] : keys.values)
        text += key + "=" + value + "\n";
    EXPECT_EQ(text,
              "alarm1_time=07:30\nalarm1_days=mon,tue,wed,thu,fri\nalarm1_label=\"Stand-up\"\n"
              "alarm1_sound=\"\"\nalarm1_on=1\nalarm2_time=21:05\nalarm2_days=sat,sun\n"
              "alarm2_label=\"\"\nalarm2_sound=\"D:\\b.wav\"\nalarm2_on=0\n"
              "alarm3_time=00:00\nalarm3_days=daily\nalarm3_label=\"x\"\n"
              "alarm3_sound=\"\"\nalarm3_on=1\n");
    ASSERT_EQ(keys.removed.size(), 13u * 5);
    EXPECT_EQ((std::vector<std::string>(keys.removed.begin(), keys.removed.begin() + 6)),
              (std::vector<std::string>{ "alarm4_time", "alarm4_days", "alarm4_label",
                                         "alarm4_sound", "alarm4_on", "alarm5_time" }));
    EXPECT_EQ(keys.removed.back(), "alarm16_on");

    const settings::AlarmKeys full = settings::WriteAlarms(std::vector<Alarm>(17));
    EXPECT_EQ(full.values.size(), 16u * 5);
    EXPECT_TRUE(full.removed.empty());
}

// Every set of days, and texts the profile functions would trim or unquote.
TEST(AlarmKeys, WhatIsSavedLoadsBackEqual)
{
    for (int days = 0; days <= alarms::kEveryDay; ++days) {
        const std::vector<Alarm> list = {
            { days % 24, days % 60, days == 0, static_cast<std::uint8_t>(days), "  wake  ",
              "\"q\".wav", days % 2 == 0 },
            { 23, 59, true, 0, "say \"hi\", all", "C:\\Sounds\\x.wav", true },
        };
        settings::IniDocument store;
        for (const auto& [key, value] : settings::WriteAlarms(list).values)
            store.Write(settings::kAlarmsSection, key.c_str(), value);
        const settings::LoadedAlarms loaded = Read(store);
        EXPECT_EQ(loaded.alarms, list) << "days " << days;
        EXPECT_EQ(loaded.messages, "") << "days " << days;
    }
}

} // namespace
