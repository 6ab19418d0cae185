#include "clockwnd/clock_placement.h"

#include "clockwnd/screen_placement.h"

#include <vector>

namespace clockwnd {
namespace {

settings::ScreenRect AsScreenRect(const RECT& r) { return { r.left, r.top, r.right, r.bottom }; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list)
{
    MONITORINFO info{ sizeof info, {}, {}, 0 };
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<MonitorAreas>*>(list)->push_back(
            { AsScreenRect(info.rcMonitor), AsScreenRect(info.rcWork) });
    return TRUE;
}

std::vector<MonitorAreas> Monitors()
{
    std::vector<MonitorAreas> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

} // namespace

void ClockPlacement::MoveToSaved(HWND window, const settings::ScreenRect& saved)
{
    const settings::ScreenRect rect = PlaceSavedRect(saved, Monitors());
    m_placingSaved = true;
    MoveWindow(window, static_cast<int>(rect.left), static_cast<int>(rect.top),
               static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top),
               TRUE);
    m_placingSaved = false;
}

void ClockPlacement::KeepOnScreen(HWND window)
{
    if (window == nullptr || IsIconic(window) || IsZoomed(window))
        return;
    RECT now{};
    GetWindowRect(window, &now);
    const std::optional<settings::ScreenRect> to =
        clockwnd::KeepOnScreen(AsScreenRect(now), Monitors());
    if (!to || *to == AsScreenRect(now))
        return;
    SetWindowPos(window, nullptr, static_cast<int>(to->left), static_cast<int>(to->top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace clockwnd
