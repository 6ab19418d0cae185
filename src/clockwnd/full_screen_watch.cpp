#include "clockwnd/full_screen_watch.h"

#include "clockwnd/full_screen_rule.h"
#include "framework/text.h"

#include <map>

namespace clockwnd {
namespace {

// Which watch a hook's event is for; every clock of the process has its own.
std::map<HWINEVENTHOOK, FullScreenWatch*>& Watches()
{
    static std::map<HWINEVENTHOOK, FullScreenWatch*> watches;
    return watches;
}

face::Box AsBox(const RECT& r) { return { r.left, r.top, r.right, r.bottom }; }

std::string ClassName(HWND window)
{
    wchar_t name[256] = L"";
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return Narrow(name, length);
}

} // namespace

void FullScreenWatch::Apply(HWND window, bool enabled)
{
    if (!enabled || window == nullptr) {
        const bool hid = m_hiding;
        Stop();
        if (hid)
            Show();
        return;
    }
    if (m_watching && window == m_window)
        return;
    Stop();
    m_window = window;
    m_watching = true;
    m_foregroundHook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                       &OnEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (m_foregroundHook != nullptr)
        Watches()[m_foregroundHook] = this;
    Follow(GetForegroundWindow());
    Check();
}

void FullScreenWatch::Stop()
{
    for (HWINEVENTHOOK* hook : { &m_foregroundHook, &m_frontHook }) {
        if (*hook != nullptr) {
            UnhookWinEvent(*hook);
            Watches().erase(*hook);
            *hook = nullptr;
        }
    }
    m_front = nullptr;
    m_watching = false;
    m_hiding = false;
    m_chime.Hold(false);
}

void FullScreenWatch::Follow(HWND front)
{
    if (front == m_front && (m_frontHook != nullptr || front == nullptr))
        return;
    if (m_frontHook != nullptr) {
        UnhookWinEvent(m_frontHook);
        Watches().erase(m_frontHook);
        m_frontHook = nullptr;
    }
    m_front = front;
    DWORD process = 0;
    const DWORD thread = front != nullptr ? GetWindowThreadProcessId(front, &process) : 0;
    if (thread == 0)
        return;
    // From its going (EVENT_OBJECT_DESTROY) to its moves: a window that
    // leaves full screen is moved or hidden, or goes.
    m_frontHook = SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_LOCATIONCHANGE, nullptr,
                                  &OnEvent, process, thread, WINEVENT_OUTOFCONTEXT);
    if (m_frontHook != nullptr)
        Watches()[m_frontHook] = this;
}

void CALLBACK FullScreenWatch::OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                       LONG, DWORD, DWORD)
{
    const auto found = Watches().find(hook);
    if (found == Watches().end())
        return;
    FullScreenWatch& watch = *found->second;
    if (event == EVENT_SYSTEM_FOREGROUND) {
        watch.Follow(window);
        watch.Check();
    } else if (window == watch.m_front && object == OBJID_WINDOW &&
               (event == EVENT_OBJECT_LOCATIONCHANGE || event == EVENT_OBJECT_HIDE ||
                event == EVENT_OBJECT_SHOW || event == EVENT_OBJECT_DESTROY)) {
        watch.Check();
    }
}

void FullScreenWatch::Check()
{
    if (m_window == nullptr)
        return;
    const HWND front = GetForegroundWindow();
    bool hides = false;
    if (front != nullptr && IsWindow(front)) {
        RECT rect{};
        GetWindowRect(front, &rect);
        MONITORINFO monitor{ sizeof monitor, {}, {}, 0 };
        GetMonitorInfoW(MonitorFromWindow(m_window, MONITOR_DEFAULTTONEAREST), &monitor);
        const ForegroundWindow facts{ AsBox(rect), ClassName(front),
                                      IsWindowVisible(front) && !IsIconic(front),
                                      front == m_window ||
                                          GetAncestor(front, GA_ROOTOWNER) == m_window };
        hides = HidesClock(facts, AsBox(monitor.rcMonitor));
    }
    if (hides && !m_hiding)
        Hide();
    else if (!hides && m_hiding)
        Show();
}

void FullScreenWatch::Hide()
{
    // A clock in the notification area stays there.
    if (!IsWindowVisible(m_window) || IsIconic(m_window))
        return;
    m_chime.Hold(true);
    m_hiding = true;
    ShowWindow(m_window, SW_HIDE);
}

void FullScreenWatch::Show()
{
    m_hiding = false;
    m_chime.Hold(false);
    if (!IsWindow(m_window) || IsWindowVisible(m_window))
        return;
    // Without taking the keys from the program in front.
    SetWindowPos(m_window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

} // namespace clockwnd
