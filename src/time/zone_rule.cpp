#include "time/zone_rule.h"

#include <algorithm>
#include <array>
#include <climits>

namespace timekeeping {
namespace {

int YearOf(std::int64_t seconds) { return FromSeconds(seconds).year; }

// Division that rounds toward plus infinity, for times before 1970 too.
std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return a / b + ((a % b != 0) && ((a < 0) == (b < 0)));
}

// Summed wide: the registry's LONGs are not checked for sense.
std::int64_t StandardBias(const ZoneRule& rule)
{
    return std::int64_t{ rule.bias } + rule.standardBias;
}

std::int64_t DaylightBias(const ZoneRule& rule)
{
    return std::int64_t{ rule.bias } + rule.daylightBias;
}

bool IsDate(const TransitionDate& date)
{
    if (date.month < 1 || date.month > 12)
        return false;
    if (date.year == 0)
        return date.dayOfWeek >= 0 && date.dayOfWeek <= 6 && date.day >= 1 && date.day <= 5;
    return date.day >= 1 && date.day <= 31;
}

// A month of 0 in either date is how Windows says a zone has no daylight
// time; a date out of range is taken the same way.
bool KeepsDaylightTime(const ZoneRule& rule)
{
    return IsDate(rule.standardDate) && IsDate(rule.daylightDate);
}

// The UTC second from which a change of `year` is in effect. The date is in
// the local time that `biasMinutes` turns into UTC. A change at 23:59:59.999
// (as Windows writes midnight at the end of a day) shows from the next whole
// second, as a clock that counts seconds sees it.
std::int64_t TransitionUtc(const TransitionDate& date, int year, std::int64_t biasMinutes)
{
    // An absolute date's own year is not compared, as Windows compares only
    // its month and day: the rule is taken to be the one for `year`.
    int day = date.day;
    if (date.year == 0) {
        const int firstDay = 1 + (date.dayOfWeek - Weekday(year, date.month, 1) + 7) % 7;
        day = firstDay + 7 * (date.day - 1);
        // Only week 5 can overrun: it stands for the last such weekday.
        if (day > DaysInMonth(year, date.month))
            day -= 7;
    }
    const std::int64_t localMs =
        DaysFromCivil(year, date.month, day) * kSecondsPerDay * 1000 +
        ((std::int64_t{ date.hour } * 60 + date.minute) * 60 + date.second) * 1000 +
        date.milliseconds;
    return CeilDiv(localMs + biasMinutes * 60000, 1000);
}

struct Decision {
    const ZoneRule* rule;
    bool daylight;
};

Decision Decide(const ZoneRules& rules, std::int64_t utcSeconds)
{
    // The year of the local standard time picks the rule and the changes;
    // the UTC year's rule gives that standard time.
    const int year = YearOf(utcSeconds - StandardBias(rules.ForYear(YearOf(utcSeconds))) * 60);
    const ZoneRule& rule = rules.ForYear(year);
    if (!KeepsDaylightTime(rule))
        return { &rule, false };
    const std::int64_t start = TransitionUtc(rule.daylightDate, year, StandardBias(rule));
    const std::int64_t end = TransitionUtc(rule.standardDate, year, DaylightBias(rule));
    // South of the equator daylight time spans the new year: it is in
    // effect outside the part of the year between its end and its start.
    const bool daylight = start <= end ? utcSeconds >= start && utcSeconds < end
                                       : utcSeconds >= start || utcSeconds < end;
    return { &rule, daylight };
}

std::int64_t OffsetSeconds(const Decision& decision)
{
    return -(decision.daylight ? DaylightBias(*decision.rule) : StandardBias(*decision.rule)) * 60;
}

std::int32_t LittleEndianLong(const unsigned char* bytes)
{
    const std::uint32_t u = std::uint32_t{ bytes[0] } | std::uint32_t{ bytes[1] } << 8 |
                            std::uint32_t{ bytes[2] } << 16 | std::uint32_t{ bytes[3] } << 24;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(u) -
                                     (u >> 31 ? std::int64_t{ 1 } << 32 : 0));
}

TransitionDate SystemTimeAt(const unsigned char* bytes)
{
    int words[8];
    for (int i = 0; i < 8; ++i)
        words[i] = bytes[2 * i] | bytes[2 * i + 1] << 8;
    return { words[0], words[1], words[2], words[3], words[4], words[5], words[6], words[7] };
}

} // namespace

std::optional<ZoneRule> ParseTzi(const unsigned char* bytes, std::size_t size)
{
    if (size != kTziSize)
        return std::nullopt;
    return ZoneRule{ LittleEndianLong(bytes), LittleEndianLong(bytes + 4),
                     LittleEndianLong(bytes + 8), SystemTimeAt(bytes + 12),
                     SystemTimeAt(bytes + 28) };
}

const ZoneRule& ZoneRules::ForYear(int year) const
{
    if (byYear.empty())
        return standing;
    auto entry = byYear.upper_bound(year);
    if (entry != byYear.begin())
        --entry;
    return entry->second;
}

ZoneReading ReadZone(const ZoneRules& rules, std::int64_t utcSeconds)
{
    const Decision decision = Decide(rules, utcSeconds);
    const std::int64_t offset = OffsetSeconds(decision);
    return { FromSeconds(utcSeconds + offset), static_cast<int>(offset / 60), decision.daylight };
}

std::int64_t FirstUtcAtOrAfterLocal(const ZoneRules& rules, const CivilTime& local)
{
    const std::int64_t target = ToSeconds(local);
    // Local time is UTC plus an offset that the rules of the years around
    // keep within bounds: before `target - largest` every local time is
    // earlier than the target, and from `target - smallest` on none is.
    std::int64_t smallest = INT64_MAX;
    std::int64_t largest = INT64_MIN;
    const auto widen = [&](std::int64_t bias) {
        smallest = std::min(smallest, -bias * 60);
        largest = std::max(largest, -bias * 60);
    };
    for (int year = local.year - 1; year <= local.year + 1; ++year) {
        const ZoneRule& rule = rules.ForYear(year);
        widen(StandardBias(rule));
        if (KeepsDaylightTime(rule))
            widen(DaylightBias(rule));
    }
    const std::int64_t first = target - largest;
    const std::int64_t last = target - smallest;

    // The seconds in between at which the offset can change: the years'
    // transitions, and the new year in UTC (whose rule gives the standard
    // time) and in local standard time (whose year picks the rule). Between
    // two of them the offset holds, and local time runs with UTC.
    std::array<std::int64_t, 16> changes;
    std::size_t count = 0;
    changes[count++] = first;
    const auto add = [&](std::int64_t at) {
        if (at > first && at <= last)
            changes[count++] = at;
    };
    for (int year = local.year - 1; year <= local.year + 1; ++year) {
        const ZoneRule& rule = rules.ForYear(year);
        const std::int64_t newYear = DaysFromCivil(year, 1, 1) * kSecondsPerDay;
        add(newYear);
        add(newYear + StandardBias(rules.ForYear(year - 1)) * 60);
        add(newYear + StandardBias(rule) * 60);
        if (KeepsDaylightTime(rule)) {
            add(TransitionUtc(rule.daylightDate, year, StandardBias(rule)));
            add(TransitionUtc(rule.standardDate, year, DaylightBias(rule)));
        }
    }
    std::sort(changes.begin(), changes.begin() + count);

    // The first stretch that reaches the target; the last one does, at the
    // latest at `last`.
    const auto firstInStretch = [&](std::int64_t from) {
        return std::max(from, target - OffsetSeconds(Decide(rules, from)));
    };
    std::size_t i = 0;
    for (; i + 1 < count; ++i) {
        const std::int64_t at = firstInStretch(changes[i]);
        if (at < changes[i + 1])
            return at;
    }
    return firstInStretch(changes[i]);
}

} // namespace timekeeping
