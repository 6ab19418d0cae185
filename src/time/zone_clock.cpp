#include "time/zone_clock.h"

#include "framework/text.h"
#include "time/windows_zones.h"

#include <windows.h>

namespace timekeeping {
namespace {
// FILETIME counts 100 ns steps from 1601; the clock counts from 1970.
constexpr long long kFiletimeUnixEpoch = 116444736000000000LL;
constexpr long long kFiletimeStepsPerMs = 10000;
// The rules are read for this many years either side of the one asked.
constexpr int kYearsAround = 2;

ClockTime FromLocal(std::int64_t utcMs, const CivilTime& local, bool daylight)
{
    ClockTime time{ utcMs / 1000, true,         local.hour,
                    local.minute, local.second, static_cast<int>(utcMs % 1000) };
    time.year = local.year;
    time.month = local.month;
    time.day = local.day;
    time.weekday = Weekday(local.year, local.month, local.day);
    time.daylight = daylight;
    return time;
}

} // namespace

bool ZoneClock::SetZone(const std::string& key)
{
    // The rules read for it stay good.
    if (key == m_key)
        return true;
    m_key.clear();
    Refresh();
    if (key.empty())
        return true;
    const int year = FromSeconds(Now().seconds).year;
    if (!RulesOfZone(key, year, year))
        return false;
    m_key = key;
    Refresh();
    return true;
}

void ZoneClock::Refresh()
{
    m_rules.reset();
    m_lastYear = m_firstYear - 1;
}

const ZoneRules& ZoneClock::RulesAround(std::int64_t utcSeconds) const
{
    const int year = FromSeconds(utcSeconds).year;
    if (!m_rules || year < m_firstYear || year > m_lastYear) {
        m_firstYear = year - kYearsAround;
        m_lastYear = year + kYearsAround;
        m_rules = RulesOfZone(m_key.empty() ? MachineZoneKey() : m_key, m_firstYear, m_lastYear);
        if (!m_rules) {
            // A machine whose zone has no key name: its rule as it stands.
            TIME_ZONE_INFORMATION tzi{};
            GetTimeZoneInformation(&tzi);
            m_rules.emplace();
            m_rules->standing = {
                static_cast<int>(tzi.Bias),
                static_cast<int>(tzi.StandardBias),
                static_cast<int>(tzi.DaylightBias),
                { tzi.StandardDate.wYear, tzi.StandardDate.wMonth, tzi.StandardDate.wDayOfWeek,
                  tzi.StandardDate.wDay, tzi.StandardDate.wHour, tzi.StandardDate.wMinute,
                  tzi.StandardDate.wSecond, tzi.StandardDate.wMilliseconds },
                { tzi.DaylightDate.wYear, tzi.DaylightDate.wMonth, tzi.DaylightDate.wDayOfWeek,
                  tzi.DaylightDate.wDay, tzi.DaylightDate.wHour, tzi.DaylightDate.wMinute,
                  tzi.DaylightDate.wSecond, tzi.DaylightDate.wMilliseconds }
            };
        }
    }
    return *m_rules;
}

ClockTime ZoneClock::Now() const
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const long long utcMs = ((static_cast<long long>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) -
                             kFiletimeUnixEpoch) /
                            kFiletimeStepsPerMs;
    if (!m_key.empty())
        return At(utcMs);
    // The machine's zone by the system's own conversion, so that a change
    // of zone shows at the next reading; not the C runtime's, which
    // follows the TZ variable when one is set and reads the zone only once
    // per process.
    ClockTime time{ utcMs / 1000, false, -1, -1, -1, static_cast<int>(utcMs % 1000) };
    SYSTEMTIME utc, local;
    if (FileTimeToSystemTime(&ft, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        time = FromLocal(
            utcMs,
            { local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond },
            false);
        TIME_ZONE_INFORMATION tzi;
        time.daylight = GetTimeZoneInformation(&tzi) == TIME_ZONE_ID_DAYLIGHT;
    }
    return time;
}

ClockTime ZoneClock::At(std::int64_t utcMs) const
{
    const std::int64_t seconds = utcMs / 1000;
    const ZoneReading reading = ReadZone(RulesAround(seconds), seconds);
    return FromLocal(utcMs, reading.local, reading.daylight);
}

CivilTime ZoneClock::ToLocal(std::int64_t utcSeconds) const
{
    return ReadZone(RulesAround(utcSeconds), utcSeconds).local;
}

std::int64_t ZoneClock::FirstUtcAtOrAfter(const CivilTime& local) const
{
    return FirstUtcAtOrAfterLocal(RulesAround(ToSeconds(local)), local);
}

std::string ZoneClock::TimeName(const ClockTime& time) const
{
    if (m_key.empty()) {
        DYNAMIC_TIME_ZONE_INFORMATION zone{};
        GetDynamicTimeZoneInformation(&zone);
        return Narrow(time.daylight ? zone.DaylightName : zone.StandardName);
    }
    const ZoneNames names = NamesOfZone(m_key);
    return time.daylight ? names.daylight : names.standard;
}

} // namespace timekeeping
