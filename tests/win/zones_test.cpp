// Time zones and clocks side by side: the machine's zone as Windows keeps
// it, a zone by its key name, the clock's face and tip following its zone
// in the user's words, and one clock per folder.
#include "support.h"

#include "framework/text.h"
#include "time/local_format.h"
#include "time/windows_zones.h"
#include "time/zone_clock.h"

#include <algorithm>
#include <filesystem>

#include <time.h>

namespace {

using wintest::ClockTest;

// The clock's time is the system's, in the zone Windows keeps, not the C
// runtime's, which follows a TZ variable some shells set for every program
// (and reads the zone once per process).
TEST(ZoneClockReading, IsTheSystemsLocalTimeWhateverTZSays)
{
    _putenv("TZ=XYZ-3:17");
    _tzset();
    for (int attempt = 0; attempt < 3; ++attempt) {
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        const timekeeping::ClockTime now = timekeeping::ZoneClock().Now();
        GetLocalTime(&after);
        if (before.wSecond != after.wSecond)
            continue;
        const __time64_t seconds = now.seconds;
        const tm* crt = _localtime64(&seconds);
        ASSERT_NE(crt, nullptr);
        EXPECT_NE(crt->tm_min, now.minute) << "the TZ variable took no effect";
        EXPECT_TRUE(now.valid);
        EXPECT_EQ((std::vector<int>{ now.year, now.month, now.day, now.weekday, now.hour,
                                     now.minute, now.second }),
                  (std::vector<int>{ before.wYear, before.wMonth, before.wDay, before.wDayOfWeek,
                                     before.wHour, before.wMinute, before.wSecond }));
        break;
    }
    _putenv("TZ=");
    _tzset();
}

// A zone Windows knows by its key name is listed by its display name, and
// its time agrees with the system's own conversion under that year's rule,
// across both of its changes; a name Windows does not know is refused.
TEST(ZoneClockReading, FollowsAZoneWindowsKnowsAsTheSystemConvertsIt)
{
    const std::vector<timekeeping::ZoneEntry> zones = timekeeping::KnownZones();
    const auto tokyo = std::find_if(zones.begin(), zones.end(), [](const auto& zone) {
        return zone.key == "Tokyo Standard Time";
    });
    ASSERT_NE(tokyo, zones.end());
    EXPECT_EQ(tokyo->display, "(UTC+09:00) Osaka, Sapporo, Tokyo");
    timekeeping::ZoneClock clock;
    EXPECT_FALSE(clock.SetZone("Nowhere Standard Time"));
    EXPECT_EQ(clock.Zone(), "");
    for (const char* key : { "Tokyo Standard Time", "W. Europe Standard Time",
                             "AUS Eastern Standard Time", "Newfoundland Standard Time" }) {
        ASSERT_TRUE(clock.SetZone(key)) << key;
        DYNAMIC_TIME_ZONE_INFORMATION zone{};
        lstrcpynW(zone.TimeZoneKeyName, Widen(key).c_str(), 128);
        TIME_ZONE_INFORMATION rule{};
        ASSERT_TRUE(GetTimeZoneInformationForYear(2026, &zone, &rule));
        // Every six hours of 2026.
        for (std::int64_t utc = 1767225600; utc < 1798761600; utc += 6 * 3600) {
            const timekeeping::ClockTime mine = clock.At(utc * 1000);
            FILETIME ft{};
            const long long steps = (utc * 1000 + 11644473600000LL) * 10000;
            ft.dwLowDateTime = DWORD(steps), ft.dwHighDateTime = DWORD(steps >> 32);
            SYSTEMTIME u, local;
            FileTimeToSystemTime(&ft, &u);
            SystemTimeToTzSpecificLocalTime(&rule, &u, &local);
            ASSERT_EQ((std::vector<int>{ mine.day, mine.hour, mine.minute }),
                      (std::vector<int>{ local.wDay, local.wHour, local.wMinute }))
                << key << " at " << utc;
        }
    }
}

// The clock on a zone's time: its hands and panel at UTC + 9 in Tokyo,
// whatever the machine's zone; a name Windows does not know gives local
// time and one line in the load's box.
TEST_F(ClockTest, FollowsItsOwnTimeZone)
{
    m_clock.SetTimeSource(nullptr);
    Write("zentim.ini", "[Options]\r\ntime_zone=\"Tokyo Standard Time\"\r\nkuku_sound=\"\"\r\n"
                        "up_str=\"\"\r\ndown_str=\"\"\r\n");
    Run([&] {
        SYSTEMTIME before, after;
        timekeeping::ClockTime shown{};
        do {
            GetSystemTime(&before);
            shown = m_clock.DrawClock();
            GetSystemTime(&after);
        } while (before.wMinute != after.wMinute);
        EXPECT_EQ(shown.hour, (before.wHour + 9) % 24);
        EXPECT_EQ(shown.minute, before.wMinute);
    });
    EXPECT_TRUE(m_boxes.empty());
    Write("zentim.ini", "[Options]\r\ntime_zone=\"Nowhere Standard Time\"\r\nkuku_sound=\"\"\r\n"
                        "up_str=\"\"\r\ndown_str=\"\"\r\n");
    Run([] {});
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text,
              "Can`t find time zone \"Nowhere Standard Time\"! The clock shows local time.\n");
    EXPECT_EQ(m_clock.Settings().m_strTimeZone, "Nowhere Standard Time") << "kept for a save";
}

// The tip's and the date window's words are the locale's.
TEST(LocalFormat, DateAndTimeInTheLocalesWords)
{
    timekeeping::ClockTime monday{ 0, true, 7, 45, 12, 0 };
    monday.year = 2026, monday.month = 12, monday.day = 7, monday.weekday = 1;
    // clang-format off
    const struct { const char* locale; const char* tip; const char* date; } cases[] = {
        { "en-US", "Monday, December 7, 2026\r\n7:45:12 AM\r\nW. Europe", "Mon 7" },
        { "de-DE", "Montag, 7. Dezember 2026\r\n07:45:12\r\nW. Europe", "Mo" },
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(timekeeping::TooltipText(monday, "W. Europe", c.locale), c.tip) << c.locale;
        // The short weekday's own dot differs between systems.
        const std::string date = timekeeping::DateWindowText(monday, c.locale);
        EXPECT_EQ(date.rfind(c.date, 0), 0u) << date;
        EXPECT_EQ(date.substr(date.size() - 2), " 7") << date;
    }
}

// A second start of the program on a folder that has its clock leaves
// that one alone: one clock; another folder gets one of its own.
TEST_F(ClockTest, OneClockPerFolder)
{
    const std::string program = wintest::ProgramPath();
    const std::string clock = program.substr(0, program.find_last_of('\\')) + "\\zentim.exe";
    CreateDirectoryA(Path("other").c_str(), nullptr);
    std::vector<PROCESS_INFORMATION> started;
    for (const std::string folder : { Path(""), Path(""), Path("other") }) {
        std::wstring command = Widen("\"" + clock + "\" \"" + folder + "\"");
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        started.push_back(process);
        WaitForInputIdle(process.hProcess, 5000);
        wintest::PumpFor(500);
    }
    DWORD second = STILL_ACTIVE;
    EXPECT_EQ(WaitForSingleObject(started[1].hProcess, 5000), WAIT_OBJECT_0);
    GetExitCodeProcess(started[1].hProcess, &second);
    EXPECT_EQ(second, 0u) << "the twin did not end";
    for (const std::size_t i : { 0u, 2u }) {
        DWORD code = 0;
        EXPECT_TRUE(GetExitCodeProcess(started[i].hProcess, &code) && code == STILL_ACTIVE)
            << "clock " << i;
    }
    for (const PROCESS_INFORMATION& process : started) {
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
}

} // namespace
