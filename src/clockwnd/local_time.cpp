#include "clockwnd/local_time.h"

#include <windows.h>

#include <time.h>

namespace clockwnd {
namespace {
// FILETIME counts 100 ns steps from 1601; the C library counts from 1970.
constexpr long long kFiletimeUnixEpoch = 116444736000000000LL;
constexpr long long kFiletimeStepsPerMs = 10000;
} // namespace

face::ClockTime ReadLocalTime()
{
    // One reading gives both the calendar second and how far into it we
    // are, which the timer needs to aim at the next boundary.
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const long long sinceUnixEpochMs =
        ((static_cast<long long>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) -
         kFiletimeUnixEpoch) /
        kFiletimeStepsPerMs;
    const __time64_t now = sinceUnixEpochMs / 1000;
    face::ClockTime time{ now, false, -1, -1, -1, static_cast<int>(sinceUnixEpochMs % 1000) };
    if (const tm* local = _localtime64(&now)) {
        time.valid = true;
        time.hour = local->tm_hour;
        time.minute = local->tm_min;
        time.second = local->tm_sec;
    }
    return time;
}

} // namespace clockwnd
