#include "clockwnd/full_screen_rule.h"

#include <algorithm>
#include <iterator>

namespace clockwnd {

bool CoversMonitor(const face::Box& window, const face::Box& monitor)
{
    return window.left <= monitor.left && window.top <= monitor.top &&
           window.right >= monitor.right && window.bottom >= monitor.bottom;
}

bool IsShellWindowClass(const std::string& className)
{
    static const char* const kShell[] = { "Progman", "WorkerW", "Shell_TrayWnd",
                                          "Shell_SecondaryTrayWnd", "#32769" };
    return std::any_of(std::begin(kShell), std::end(kShell),
                       [&](const char* name) { return className == name; });
}

bool HidesClock(const ForegroundWindow& window, const face::Box& clockMonitor)
{
    // The clock's own flash maximises it over the whole monitor, and must
    // not make it hide from itself.
    return window.visible && !window.clocksOwn && !IsShellWindowClass(window.className) &&
           CoversMonitor(window.rect, clockMonitor);
}

} // namespace clockwnd
