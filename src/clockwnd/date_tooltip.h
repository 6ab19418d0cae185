// DateTooltip: the tip shown while the mouse rests on the clock - the long
// date, the time with its seconds and the zone's name - following the
// seconds while it shows, and never during a drag. Made at the first hover,
// not at start: a clock nobody points at never loads the common controls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace clockwnd {

class DateTooltip {
public:
    // The tip's text at the moment it is asked for.
    using TextSource = std::function<std::string()>;
    static constexpr UINT_PTR kTimerId = 3;

    DateTooltip() = default;
    DateTooltip(const DateTooltip&) = delete;
    DateTooltip& operator=(const DateTooltip&) = delete;
    ~DateTooltip() { Destroy(); }

    // A mouse message of the clock's, before it is dispatched: the tip is
    // made at the first move over the clock, and sees every one after.
    void Relay(const MSG& message, TextSource text);
    // WM_NOTIFY from the tip: its text asked for, shown, hidden.
    void OnNotify(const NMHDR& header);
    // The clock's timer for the tip: its seconds move on.
    void OnTimer();
    // None during a drag; back after it.
    void Suspend();
    void Resume();
    void Destroy();
    // The tip's window, for the tests.
    HWND Window() const { return m_tip; }

private:
    void Create(HWND clock);

    HWND m_clock = nullptr;
    HWND m_tip = nullptr;
    TextSource m_text;
    // Kept while the tip shows it.
    std::wstring m_shown;
};

} // namespace clockwnd
