// ZoneClock: the one place that reads the system clock, and the one that
// turns UTC into the clock's own local time: the machine's zone as Windows
// keeps it at each reading, or a zone Windows knows by its key name, with
// that zone's daylight-saving rules for the year in question. The face,
// the panel, the date, the tooltip, the chime and the alarms all ask it.
#pragma once

#include "time/civil_time.h"
#include "time/clock_time.h"
#include "time/zone_rule.h"

#include <optional>
#include <string>

namespace timekeeping {

class ZoneClock {
public:
    // The machine's zone.
    ZoneClock() = default;

    // A zone by its key name ("Tokyo Standard Time"), or the machine's for
    // ""; false, and the machine's, when Windows does not know the name.
    bool SetZone(const std::string& key);
    // The zone's key name; "" for the machine's.
    const std::string& Zone() const { return m_key; }
    // The time changed, or the machine's zone: rules are read again.
    void Refresh();

    // One reading of the system's UTC time, in the zone.
    ClockTime Now() const;
    // The same for a UTC time in milliseconds since 1970.
    ClockTime At(std::int64_t utcMs) const;

    CivilTime ToLocal(std::int64_t utcSeconds) const;
    // The first UTC second whose local time is `local` or later.
    std::int64_t FirstUtcAtOrAfter(const CivilTime& local) const;
    // The name of the zone's time at a reading: standard or daylight.
    std::string TimeName(const ClockTime& time) const;

private:
    // The rules of m_key, or of the machine's zone, around the year of
    // utcSeconds, read once for a span of years.
    const ZoneRules& RulesAround(std::int64_t utcSeconds) const;

    std::string m_key;
    mutable std::optional<ZoneRules> m_rules;
    mutable int m_firstYear = 0, m_lastYear = -1;
};

} // namespace timekeeping
