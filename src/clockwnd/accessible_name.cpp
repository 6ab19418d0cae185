#include "clockwnd/accessible_name.h"

#include "clockwnd/clock_name.h"
#include "framework/text.h"
#include "time/local_format.h"

namespace clockwnd {
namespace {

bool g_told = false;
void CALLBACK NoteNameChange(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD, DWORD)
{
    if (object == OBJID_WINDOW)
        g_told = true;
}

// Sets the window's text; true when the system itself told of the new name
// (EVENT_OBJECT_NAMECHANGE), as Windows' default processing of the text
// does and Wine's does not.
bool SetTextTold(HWND window, const std::wstring& text)
{
    g_told = false;
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &NoteNameChange,
                        GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    SetWindowTextW(window, text.c_str());
    // The thread's own events reach it as it looks at its queue.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    if (hook != nullptr)
        UnhookWinEvent(hook);
    return hook == nullptr || g_told;
}

} // namespace

bool AccessibleName::Update(HWND window, const timekeeping::ClockTime& time)
{
    const std::int64_t minute = MinuteOf(time);
    if (window == nullptr || (window == m_window && minute == m_minute))
        return false;
    m_window = window;
    m_minute = minute;
    m_text = ClockName(time, timekeeping::SpokenDateText(time));
    const std::wstring text = Widen(m_text);
    // Whether the system tells of a new name is found out once, at the
    // first; after that the clock tells only where the system does not.
    if (!m_systemTells) {
        m_systemTells = SetTextTold(window, text);
    } else {
        SetWindowTextW(window, text.c_str());
    }
    if (!*m_systemTells)
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_WINDOW, CHILDID_SELF);
    return true;
}

} // namespace clockwnd
