#include "time/local_format.h"

#include "framework/text.h"

#include <windows.h>

#include <iterator>

namespace timekeeping {
namespace {

SYSTEMTIME AsSystemTime(const ClockTime& time)
{
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(time.year);
    st.wMonth = static_cast<WORD>(time.month);
    st.wDayOfWeek = static_cast<WORD>(time.weekday);
    st.wDay = static_cast<WORD>(time.day);
    st.wHour = static_cast<WORD>(time.hour);
    st.wMinute = static_cast<WORD>(time.minute);
    st.wSecond = static_cast<WORD>(time.second);
    return st;
}

// The user's default locale is the null name.
std::wstring LocaleName(const std::string& locale) { return Widen(locale); }

const wchar_t* LocaleOrUser(const std::wstring& name)
{
    return name.empty() ? LOCALE_NAME_USER_DEFAULT : name.c_str();
}

std::string Date(const SYSTEMTIME& st, const std::wstring& locale, DWORD flags,
                 const wchar_t* format)
{
    wchar_t text[128] = L"";
    const int length = GetDateFormatEx(LocaleOrUser(locale), flags, &st, format, text,
                                       static_cast<int>(std::size(text)), nullptr);
    return length > 1 ? Narrow(text, length - 1) : std::string();
}

} // namespace

std::string DateWindowText(const ClockTime& time, const std::string& locale)
{
    if (!time.valid)
        return std::string();
    return Date(AsSystemTime(time), LocaleName(locale), 0, L"ddd d");
}

std::string SpokenDateText(const ClockTime& time, const std::string& locale)
{
    if (!time.valid)
        return std::string();
    return Date(AsSystemTime(time), LocaleName(locale), 0, L"dddd d MMMM");
}

std::string TooltipText(const ClockTime& time, const std::string& zoneName,
                        const std::string& locale)
{
    if (!time.valid)
        return zoneName;
    const SYSTEMTIME st = AsSystemTime(time);
    const std::wstring name = LocaleName(locale);
    wchar_t clock[64] = L"";
    const int length = GetTimeFormatEx(LocaleOrUser(name), 0, &st, nullptr, clock,
                                       static_cast<int>(std::size(clock)));
    std::string text = Date(st, name, DATE_LONGDATE, nullptr) + "\r\n" +
                       (length > 1 ? Narrow(clock, length - 1) : std::string());
    if (!zoneName.empty())
        text += "\r\n" + zoneName;
    return text;
}

} // namespace timekeeping
