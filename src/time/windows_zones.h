// The time zones Windows knows, by the wide registry and zone functions:
//   KnownZones     - every zone's key name and display name, in the order
//                    Windows lists them;
//   RulesOfZone    - a zone's rules for a span of years;
//   MachineZoneKey - the key name of the machine's own zone;
//   ZoneNames      - a zone's names for its standard and daylight time.
#pragma once

#include "time/zone_rule.h"

#include <optional>
#include <string>
#include <vector>

namespace timekeeping {

struct ZoneEntry {
    std::string key;     // "Tokyo Standard Time"
    std::string display; // "(UTC+09:00) Osaka, Sapporo, Tokyo"
};

const std::vector<ZoneEntry>& KnownZones();

// Each year's rule from firstYear to lastYear, as GetTimeZoneInformationForYear
// gives it; nothing for a key Windows does not know.
std::optional<ZoneRules> RulesOfZone(const std::string& key, int firstYear, int lastYear);

// "" when the system names none.
std::string MachineZoneKey();

// "(UTC+09:00) Osaka, Sapporo, Tokyo"; the key name when it has none.
std::string ZoneDisplayName(const std::string& key);

struct ZoneNames {
    std::string standard, daylight;
};
ZoneNames NamesOfZone(const std::string& key);

} // namespace timekeeping
