#include "time/windows_zones.h"

#include "framework/registry.h"
#include "framework/text.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace timekeeping {
namespace {

constexpr wchar_t kZonesKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

std::wstring ReadText(HKEY key, const wchar_t* name)
{
    wchar_t value[256] = L"";
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::wstring();
    return value;
}

CRegKey ZoneKey(const std::string& key)
{
    return CRegKey::Open(HKEY_LOCAL_MACHINE, (std::wstring(kZonesKey) + L"\\" + Widen(key)).c_str(),
                         KEY_READ);
}

TransitionDate FromSystemTime(const SYSTEMTIME& t)
{
    return {
        t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds
    };
}

ZoneRule FromTimeZoneInformation(const TIME_ZONE_INFORMATION& tzi)
{
    return { static_cast<int>(tzi.Bias), static_cast<int>(tzi.StandardBias),
             static_cast<int>(tzi.DaylightBias), FromSystemTime(tzi.StandardDate),
             FromSystemTime(tzi.DaylightDate) };
}

// The offset of a display name's "(UTC+09:00)", in minutes, for the order.
int DisplayOffset(const std::string& display)
{
    int hours = 0, minutes = 0;
    char sign = '+';
    if (std::sscanf(display.c_str(), "(UTC%c%d:%d)", &sign, &hours, &minutes) < 3)
        return 0;
    return (sign == '-' ? -1 : 1) * (hours * 60 + minutes);
}

std::vector<ZoneEntry> ReadKnownZones()
{
    std::vector<ZoneEntry> zones;
    const CRegKey all = CRegKey::Open(HKEY_LOCAL_MACHINE, kZonesKey, KEY_READ);
    wchar_t name[256];
    for (DWORD i = 0; all != nullptr; ++i) {
        DWORD length = static_cast<DWORD>(std::size(name));
        if (RegEnumKeyExW(all, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const CRegKey zone = CRegKey::Open(all, name, KEY_READ);
        const std::wstring display = ReadText(zone, L"Display");
        zones.push_back({ Narrow(name), Narrow(display.empty() ? name : display) });
    }
    // West to east, then by name, as Windows' own list goes.
    std::sort(zones.begin(), zones.end(), [](const ZoneEntry& a, const ZoneEntry& b) {
        const int offsetA = DisplayOffset(a.display), offsetB = DisplayOffset(b.display);
        return offsetA != offsetB ? offsetA < offsetB : a.display < b.display;
    });
    return zones;
}

} // namespace

const std::vector<ZoneEntry>& KnownZones()
{
    // Read once a run: the list is the options dialog's at each opening,
    // and Windows changes it only with an update.
    static const std::vector<ZoneEntry> zones = ReadKnownZones();
    return zones;
}

std::optional<ZoneRules> RulesOfZone(const std::string& key, int firstYear, int lastYear)
{
    if (key.empty() || lastYear < firstYear)
        return std::nullopt;
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    lstrcpynW(zone.TimeZoneKeyName, Widen(key).c_str(),
              static_cast<int>(std::size(zone.TimeZoneKeyName)));
    ZoneRules rules;
    for (int year = firstYear; year <= lastYear; ++year) {
        TIME_ZONE_INFORMATION tzi{};
        if (!GetTimeZoneInformationForYear(static_cast<USHORT>(year), &zone, &tzi))
            return std::nullopt;
        rules.byYear[year] = FromTimeZoneInformation(tzi);
    }
    rules.standing = rules.byYear.rbegin()->second;
    return rules;
}

std::string MachineZoneKey()
{
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        return std::string();
    return Narrow(zone.TimeZoneKeyName);
}

std::string ZoneDisplayName(const std::string& key)
{
    const CRegKey zone = ZoneKey(key);
    const std::wstring display = ReadText(zone, L"Display");
    return display.empty() ? key : Narrow(display);
}

ZoneNames NamesOfZone(const std::string& key)
{
    const CRegKey zone = ZoneKey(key);
    return { Narrow(ReadText(zone, L"Std")), Narrow(ReadText(zone, L"Dlt")) };
}

} // namespace timekeeping
