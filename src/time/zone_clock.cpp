#include "time/zone_clock.h"

#include "time/civil_time.h"

#include <windows.h>

namespace timekeeping {
namespace {
// FILETIME counts 100 ns steps from 1601; the clock counts from 1970.
constexpr long long kFiletimeUnixEpoch = 116444736000000000LL;
constexpr long long kFiletimeStepsPerMs = 10000;
} // namespace

ClockTime ZoneClock::Now() const
{
    // One reading gives the UTC second, the local time and how far into the
    // second we are, which the timer needs to aim at the next boundary. The
    // system's own conversion, not the C runtime's, which follows the TZ
    // variable when one is set and reads the zone only once per process.
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const long long sinceUnixEpochMs =
        ((static_cast<long long>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) -
         kFiletimeUnixEpoch) /
        kFiletimeStepsPerMs;
    ClockTime time{
        sinceUnixEpochMs / 1000, false, -1, -1, -1, static_cast<int>(sinceUnixEpochMs % 1000)
    };
    SYSTEMTIME utc, local;
    if (FileTimeToSystemTime(&ft, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        time.valid = true;
        time.hour = local.wHour;
        time.minute = local.wMinute;
        time.second = local.wSecond;
        time.year = local.wYear;
        time.month = local.wMonth;
        time.day = local.wDay;
        time.weekday = local.wDayOfWeek;
    }
    return time;
}

} // namespace timekeeping
